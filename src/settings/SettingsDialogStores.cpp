// The transfers of the settings dialog between its controls and the two stores.
#include "settings/SettingsDialog.h"

#include "config/LocalKeysFile.h"
#include "config/SharedSettingsFile.h"
#include "data/DataModule.h"
#include "settings/ConnectionPage.h"
#include "settings/ControlPage.h"
#include "settings/GroupEditor.h"
#include "settings/GroupsPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/OutputsNamesPage.h"
#include "settings/RadioPage.h"
#include "settings/SettingsLog.h"
#include "settings/UsersPage.h"
#include "users/CentralSettingsStore.h"
#include "users/GroupListRow.h"
#include "users/UserListRow.h"

#include "config/DatabaseError.h"

#include <QCheckBox>

namespace orfa::settings {

void SettingsDialog::readLocalSettings() {
    const config::LocalKeys keys = config::readLocalKeys(data_.settings());
    connection_->load(keys);
    data_.setUsesDatabase(connection_->databaseBox()->isChecked());
    control_->load(keys);
}

void SettingsDialog::writeLocalSettings() {
    config::LocalKeys keys;
    connection_->store(keys);
    control_->store(keys);
    config::writeLocalKeys(data_.settings(), keys);
}

void SettingsDialog::readSharedFromFile() {
    const config::NstValues values = config::readSharedSettings(data_.settings());
    showShared(values);
    std::array<bool, link::kSourceCount> inputs{};
    std::array<bool, link::kOutputCount> outputs{};
    inputs.fill(true);
    outputs.fill(true);
    passOnToEditors(values, inputs, outputs);
}

void SettingsDialog::writeSharedToFile() {
    config::writeSharedSettings(data_.settings(), sharedFromControls());
    enablingChanged_ = false;
}

// NST may lack the row of an input or output; its entry then keeps what the control shows
// and the editors keep what they show. A name that no row can give (U+FFFF never comes out
// of the database's Windows-1250 texts) tells after the read which rows there were.
void SettingsDialog::readSharedFromDatabase() {
    const QString noRow(1, QChar(0xFFFF));
    const config::NstValues shown = sharedFromControls();
    config::NstValues values = shown;
    for (config::IoEntry& entry : values.inputs)
        entry.name = noRow;
    for (config::IoEntry& entry : values.outputs)
        entry.name = noRow;
    database_.read(values);
    std::array<bool, link::kSourceCount> inputs{};
    std::array<bool, link::kOutputCount> outputs{};
    for (std::size_t i = 0; i < values.inputs.size(); ++i) {
        inputs.at(i) = values.inputs.at(i).name != noRow;
        if (!inputs.at(i))
            values.inputs.at(i) = shown.inputs.at(i);
    }
    for (std::size_t j = 0; j < values.outputs.size(); ++j) {
        outputs.at(j) = values.outputs.at(j).name != noRow;
        if (!outputs.at(j))
            values.outputs.at(j) = shown.outputs.at(j);
    }
    showShared(values);
    passOnToEditors(values, inputs, outputs);
}

void SettingsDialog::writeSharedToDatabase() {
    refuseTextsNstCannotHold();
    database_.write(sharedFromControls());
    enablingChanged_ = false;
}

void SettingsDialog::fillUserList() {
    std::vector<users::UserListRow> rows;
    try {
        rows =
            data_.usesDatabase() ? database_.readUserList() : users::readUserList(data_.settings());
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "users not read from the central database:" << error.message();
    }
    users_->showUsers(rows);
}

void SettingsDialog::fillGroupList() {
    std::vector<users::GroupListRow> rows;
    try {
        rows = data_.usesDatabase() ? database_.readGroupList()
                                    : users::readGroupList(data_.settings());
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "groups not read from the central database:" << error.message();
    }
    groups_->showGroups(rows);
}

config::NstValues SettingsDialog::sharedFromControls() const {
    config::NstValues values;
    connection_->store(values);
    control_->store(values);
    inputs_->store(values);
    outputs_->store(values);
    radio_->store(values);
    return values;
}

void SettingsDialog::passOnToEditors(const config::NstValues& values,
                                     const std::array<bool, link::kSourceCount>& inputs,
                                     const std::array<bool, link::kOutputCount>& outputs) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs.at(i)) {
            const config::IoEntry& input = values.inputs.at(i);
            userEditor_->setInput(static_cast<int>(i) + 1, input.name, input.enabled);
        }
    }
    for (std::size_t j = 0; j < outputs.size(); ++j) {
        if (outputs.at(j)) {
            const config::IoEntry& output = values.outputs.at(j);
            userEditor_->setOutput(static_cast<int>(j) + 1, output.name, output.enabled);
            groupEditor_->setOutput(static_cast<int>(j) + 1, output.name, output.enabled);
        }
    }
}

void SettingsDialog::showShared(const config::NstValues& values) {
    connection_->load(values);
    control_->load(values);
    inputs_->load(values);
    outputs_->load(values);
    radio_->load(values);
}

} // namespace orfa::settings
