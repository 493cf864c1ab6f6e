#pragma once

#include "config/NstValues.h"
#include "users/GroupListRow.h"
#include "users/UserListRow.h"

#include <QString>

#include <vector>

namespace orfa::users {

// The central database as the settings dialog uses it: connecting and disconnecting, the
// shared settings of table NST, and the users and groups lists. The program's one connection
// is behind it (CentralSettingsDatabase); tests may put another one there.
//
// Every reader and writer throws config::DatabaseError when the database cannot be asked
// (not connected, a failed statement, a lost connection, a lock held by another panel).
class CentralSettingsStore {
public:
    virtual ~CentralSettingsStore() = default;

    // (Re)connects with the details stored in the settings file, never with what
    // the dialog's fields show. True when connected. Never throws.
    virtual bool connect() = 0;
    // Rolls an open transaction back and disconnects. Never throws.
    virtual void close() = 0;
    virtual bool isConnected() const = 0;
    // Why the last connect() failed, in the server's words where it gave any.
    virtual QString lastError() const = 0;

    // The rows of NST over values; a setting without its row keeps its value.
    virtual void read(config::NstValues& values) = 0;
    // Replaces the 40 rows of the shared settings in one transaction; when a
    // statement fails, the transaction is rolled back and NST keeps the rows it had.
    virtual void write(const config::NstValues& values) = 0;

    virtual std::vector<UserListRow> readUserList() = 0;
    virtual std::vector<GroupListRow> readGroupList() = 0;

protected:
    CentralSettingsStore() = default;
    CentralSettingsStore(const CentralSettingsStore&) = default;
    CentralSettingsStore& operator=(const CentralSettingsStore&) = default;
};

} // namespace orfa::users
