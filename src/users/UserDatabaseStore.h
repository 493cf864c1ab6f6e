#pragma once

#include "users/UserStore.h"

namespace orfa::config {
class Database;
}

namespace orfa::users {

// User records in table UZIV of the central database, one row per user; new IDs come from
// generator UZIV. Every text travels as a statement parameter, so quotes and '%' in names
// and passwords are stored as typed.
class UserDatabaseStore : public UserStore {
public:
    // db must outlive the store.
    explicit UserDatabaseStore(config::Database& db);

    // The row "Select * FROM Uziv where id=<id>"; nothing when there is none (another panel
    // may have deleted it). A right is ticked when its column is 1.
    std::optional<UserRecord> load(int id) override;
    // A new record first takes the next value of generator UZIV. Then the row under that ID
    // is deleted and inserted anew (13 columns by position, the 13th 26 '0' characters) and
    // committed, all as one unit: when a statement fails, the transaction is rolled back and
    // the old row stays.
    int save(int id, const UserRecord& record, bool asNew) override;
    // Deletes the row and commits; rolled back when it fails.
    void remove(int id) override;
    // The columns JMENO and HESLO (db/orfa-schema.sql).
    UserTextLimits textLimits() const override;

private:
    config::Database& db_;
};

} // namespace orfa::users
