#pragma once

#include "users/CentralSettingsStore.h"

namespace orfa::config {
class Database;
class SettingsFile;
} // namespace orfa::config

namespace orfa::users {

// The central database through the data module's one connection; the connection details
// come from the settings file.
class CentralSettingsDatabase : public CentralSettingsStore {
public:
    // Both must outlive this object.
    CentralSettingsDatabase(config::Database& db, const config::SettingsFile& settings);

    bool connect() override;
    void close() override;
    bool isConnected() const override;
    QString lastError() const override;
    void read(config::NstValues& values) override;
    void write(const config::NstValues& values) override;
    std::vector<UserListRow> readUserList() override;
    std::vector<GroupListRow> readGroupList() override;

private:
    config::Database& db_;
    const config::SettingsFile& settings_;
};

} // namespace orfa::users
