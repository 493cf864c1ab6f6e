#pragma once

#include "users/UserRecord.h"

#include <optional>

namespace orfa::users {

// The longest texts a store of user records keeps whole, in characters (the database takes
// only characters of Windows-1250, one byte each).
struct UserTextLimits {
    qsizetype name = 0;
    qsizetype storedPassword = 0; // the stored form, encryptPassword(), not the password itself
};

// Where user records are kept: the "Uziv_..." keys of the settings file (UserFileStore)
// or table UZIV of the central database (UserDatabaseStore). Every change reaches the
// store at once.
//
// Failures are thrown: config::SettingsWriteError from the file, config::DatabaseError
// from the database.
class UserStore {
public:
    virtual ~UserStore() = default;

    // Record id, or nothing when the store has none under that ID.
    virtual std::optional<UserRecord> load(int id) = 0;
    // Stores record under id, or, with asNew, under a fresh ID that no record ever had.
    // Returns the ID it was stored under. The password must pass canEncrypt(): the store
    // keeps only its cipher form, and an unencryptable password would become empty.
    virtual int save(int id, const UserRecord& record, bool asNew) = 0;
    // Deletes record id; its ID is never given out again.
    virtual void remove(int id) = 0;
    // What the store holds of name and password: a longer text would be cut, or refused.
    virtual UserTextLimits textLimits() const = 0;

protected:
    UserStore() = default;
    UserStore(const UserStore&) = default;
    UserStore& operator=(const UserStore&) = default;
};

} // namespace orfa::users
