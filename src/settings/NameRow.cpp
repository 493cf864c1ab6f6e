#include "settings/NameRow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace orfa::settings {

NameRow::NameRow(QWidget* page, QGridLayout* grid, int row, int column, const Texts& texts,
                 const QString& nameCaption)
    : label_(new QLabel(texts.label, page))
    , checkBox_(new QCheckBox(texts.checkCaption, page))
    , name_(new QLineEdit(QStringLiteral("Edit1"), page)) {
    checkBox_->setAccessibleName(texts.checkAccessible);
    name_->setAccessibleName(texts.nameAccessible);
    name_->setMaxLength(kMaxNameLength);
    label_->setBuddy(name_);
    grid->addWidget(label_, row, column++);
    grid->addWidget(checkBox_, row, column++);
    if (!nameCaption.isEmpty())
        grid->addWidget(new QLabel(nameCaption, page), row, column++);
    grid->addWidget(name_, row, column);
}

void NameRow::load(const config::IoEntry& entry) {
    checkBox_->setChecked(entry.enabled);
    // A longer name from a store is cut as the field would cut it when typed.
    name_->setText(entry.name.left(kMaxNameLength));
}

config::IoEntry NameRow::entry() const {
    return config::IoEntry{name_->text(), checkBox_->isChecked()};
}

void NameRow::enableNameByCheckBox() {
    name_->setEnabled(checkBox_->isChecked());
}

void NameRow::setRowEnabled(bool enabled) {
    label_->setEnabled(enabled);
    checkBox_->setEnabled(enabled);
    name_->setEnabled(enabled);
}

} // namespace orfa::settings
