#include "settings/BoxMessageSink.h"

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

} // namespace orfa::settings
