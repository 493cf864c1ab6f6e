#include "settings/OkCancelButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace orfa::settings {

OkCancelButtons newOkCancelButtons(QDialog* dialog, OkCancelButtons::Enter enter) {
    OkCancelButtons buttons;
    buttons.box = new QDialogButtonBox(dialog);
    buttons.ok = buttons.box->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons.ok->setObjectName(QStringLiteral("okButton"));
    buttons.cancel =
        buttons.box->addButton(QStringLiteral("&Stormo"), QDialogButtonBox::RejectRole);
    buttons.cancel->setObjectName(QStringLiteral("cancelButton"));
    // Neither button takes Enter by having the focus, and neither the dialog nor the box
    // makes one of them the default of its own accord: only the default set here does.
    buttons.ok->setAutoDefault(false);
    buttons.cancel->setAutoDefault(false);
    buttons.ok->setDefault(enter == OkCancelButtons::Enter::PressesOk);
    QObject::connect(buttons.box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace orfa::settings
