// What the text fields of the shared settings hold: as much as the store they go to.
#include "settings/SettingsDialog.h"

#include "config/DatabaseError.h"
#include "config/NstStore.h"
#include "config/SettingsFile.h"
#include "data/DataModule.h"
#include "link/Instructions.h"
#include "settings/ConnectionPage.h"
#include "settings/RadioPage.h"
#include "settings/TextLength.h"

#include <QLineEdit>

namespace orfa::settings {

// The address, port and password of the amplifier and the radio memory names; the names of
// inputs and outputs hold 30 characters, which every store holds.
std::vector<QLineEdit*> SettingsDialog::sharedTextFields() const {
    std::vector<QLineEdit*> fields = connection_->sharedTextFields();
    for (int k = 1; k <= link::kRadioMemoryCount; ++k)
        fields.push_back(radio_->nameField(k));
    return fields;
}

// The keyboard adds to the shared texts only what their store holds: NST while OK writes
// them there, the settings file otherwise. A longer text, typed while the file was the
// store, stays whole and is refused when saved.
void SettingsDialog::limitSharedTexts() {
    const qsizetype limit = data_.usesDatabase() && sharedReadFromDatabase_
                                ? config::nst::kTextLength
                                : config::SettingsFile::maxTextLength;
    for (QLineEdit* field : sharedTextFields())
        limitLength(field, limit);
}

void SettingsDialog::refuseTextsNstCannotHold() const {
    for (const QLineEdit* field : sharedTextFields()) {
        if (field->text().size() > config::nst::kTextLength)
            throw config::DatabaseError(
                QStringLiteral("Pole „%1“ má %2 znaků, databáze pojme nejvýše %3.")
                    .arg(field->accessibleName())
                    .arg(field->text().size())
                    .arg(config::nst::kTextLength));
    }
}

} // namespace orfa::settings
