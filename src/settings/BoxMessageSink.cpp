#include "settings/BoxMessageSink.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace orfa::settings {

BoxMessageSink::BoxMessageSink(QWidget* parent)
    : parent_(parent) {}

void BoxMessageSink::showMessage(MessageIcon icon, const QString& caption, const QString& text) {
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent_.data());
    box.exec();
}

bool BoxMessageSink::ask(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent_.data());
    // The buttons speak the panel's language, as the rest of it does.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace orfa::settings
