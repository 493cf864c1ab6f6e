#pragma once

#include <QHBoxLayout>
#include <QPushButton>

namespace orfa::settings {

// A button of a page's button row. Enter in a field of the dialog must not
// press it, so it never becomes the default button.
inline QPushButton* addPageButton(QWidget* page, QHBoxLayout* row, const QString& objectName,
                                  const QString& caption) {
    auto* button = new QPushButton(caption, page);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace orfa::settings
