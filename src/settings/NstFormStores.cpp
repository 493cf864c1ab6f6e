// The transfers of the settings dialog between its controls and the two stores.
#include "settings/NstForm.h"

#include "data/DataModule.h"
#include "settings/CentralSettingsStore.h"
#include "settings/ConnectionPage.h"
#include "settings/ControlPage.h"
#include "settings/GroupListRow.h"
#include "settings/GroupsPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/LocalKeysFile.h"
#include "settings/OutputsNamesPage.h"
#include "settings/RadioPage.h"
#include "settings/SettingsLog.h"
#include "settings/SharedSettingsFile.h"
#include "settings/UserListRow.h"
#include "settings/UsersPage.h"

#include "config/DatabaseError.h"

#include <QCheckBox>

namespace orfa::settings {

void NstForm::NactiNastaveniIni() {
    const LocalKeys keys = readLocalKeys(data_.Reg());
    connection_->load(keys);
    data_.UseDB = connection_->DBChb()->isChecked();
    control_->load(keys);
}

void NstForm::UlozNastaveniIni() {
    LocalKeys keys;
    connection_->store(keys);
    control_->store(keys);
    writeLocalKeys(data_.Reg(), keys);
}

void NstForm::NstRegRead() {
    showShared(readSharedSettings(data_.Reg()));
}

void NstForm::NstRegWrite() {
    writeSharedSettings(data_.Reg(), sharedFromControls());
    zmenaPovolenychPrvku_ = false;
}

void NstForm::NstDBRead() {
    config::NstValues values = sharedFromControls();
    database_.read(values);
    showShared(values);
}

void NstForm::NstDBWrite() {
    database_.write(sharedFromControls());
    zmenaPovolenychPrvku_ = false;
}

void NstForm::NactiDataUzivGrid() {
    std::vector<UserListRow> rows;
    try {
        rows = data_.UseDB ? database_.readUserList() : readUserList(data_.Reg());
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "users not read from the central database:" << error.message();
    }
    users_->showUsers(rows);
}

void NstForm::NactiDataSkupinyGrid() {
    std::vector<GroupListRow> rows;
    try {
        rows = data_.UseDB ? database_.readGroupList() : readGroupList(data_.Reg());
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "groups not read from the central database:" << error.message();
    }
    groups_->showGroups(rows);
}

config::NstValues NstForm::sharedFromControls() const {
    config::NstValues values;
    connection_->store(values);
    control_->store(values);
    inputs_->store(values);
    outputs_->store(values);
    radio_->store(values);
    return values;
}

void NstForm::showShared(const config::NstValues& values) {
    connection_->load(values);
    control_->load(values);
    inputs_->load(values);
    outputs_->load(values);
    radio_->load(values);
}

} // namespace orfa::settings
