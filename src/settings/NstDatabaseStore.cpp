#include "settings/NstDatabaseStore.h"

#include "config/Database.h"
#include "config/NstStore.h"

namespace orfa::settings {

NstDatabaseStore::NstDatabaseStore(config::Database& db, const config::SettingsFile& reg)
    : db_(db)
    , reg_(reg) {}

bool NstDatabaseStore::connect() {
    return db_.open(reg_);
}

void NstDatabaseStore::close() {
    db_.close();
}

bool NstDatabaseStore::isConnected() const {
    return db_.connected();
}

QString NstDatabaseStore::lastError() const {
    return db_.lastError();
}

void NstDatabaseStore::read(config::NstValues& values) {
    config::nst::readNst(db_, values);
}

void NstDatabaseStore::write(const config::NstValues& values) {
    config::nst::writeNst(db_, values);
}

std::vector<UserListRow> NstDatabaseStore::readUserList() {
    return settings::readUserList(db_);
}

std::vector<GroupListRow> NstDatabaseStore::readGroupList() {
    return settings::readGroupList(db_);
}

} // namespace orfa::settings
