#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace orfa::settings {

// The OK and cancel buttons of a dialog ("&OK" and "&Stormo", object names okButton and
// cancelButton) in a button box, laid out as the platform lays out such a row. Cancel
// rejects the dialog, as Esc and the close box do; what OK does is the dialog's own, on
// the box's accepted() signal.
struct OkCancelButtons {
    // How Enter in a field of the dialog is taken.
    enum class Enter { PressesOk, PressesNothing };

    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// The buttons for dialog, owned by it; the caller puts box into its layout.
OkCancelButtons newOkCancelButtons(QDialog* dialog, OkCancelButtons::Enter enter);

} // namespace orfa::settings
