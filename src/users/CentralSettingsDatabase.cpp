#include "users/CentralSettingsDatabase.h"

#include "config/Database.h"
#include "config/NstStore.h"

namespace orfa::users {

CentralSettingsDatabase::CentralSettingsDatabase(config::Database& db,
                                                 const config::SettingsFile& settings)
    : db_(db)
    , settings_(settings) {}

bool CentralSettingsDatabase::connect() {
    return db_.open(settings_);
}

void CentralSettingsDatabase::close() {
    db_.close();
}

bool CentralSettingsDatabase::isConnected() const {
    return db_.connected();
}

QString CentralSettingsDatabase::lastError() const {
    return db_.lastError();
}

void CentralSettingsDatabase::read(config::NstValues& values) {
    config::nst::readNst(db_, values);
}

void CentralSettingsDatabase::write(const config::NstValues& values) {
    config::nst::writeNst(db_, values);
}

std::vector<UserListRow> CentralSettingsDatabase::readUserList() {
    return users::readUserList(db_);
}

std::vector<GroupListRow> CentralSettingsDatabase::readGroupList() {
    return users::readGroupList(db_);
}

} // namespace orfa::users
