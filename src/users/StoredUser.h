#pragma once

#include "users/UserRecord.h"
#include "users/UserRights.h"

#include <cstdint>

namespace orfa::config {
class ResultRow;
class SettingsFile;
} // namespace orfa::config

// A user as one of the two stores holds it, read the same way for the login and for the
// user editor: the texts as stored, the password decrypted, the six rights as the stored
// integers, enabledInputs derived.
namespace orfa::users {

// User record id of the settings file, the keys "Uziv_<id>_..."; a missing key reads as an
// empty text or 0.
UserRights readFileUser(const config::SettingsFile& file, int id);

// A row of table UZIV.
UserRights readDatabaseUser(const config::ResultRow& row);

// The stored user as the user editor edits it: a right is ticked when ticked(its stored
// value) holds.
UserRecord editorRecord(const UserRights& stored, bool (*ticked)(std::int32_t right));

} // namespace orfa::users
