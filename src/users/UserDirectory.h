#pragma once

#include "users/UserRights.h"

#include <QString>

#include <optional>

namespace orfa::config {
class Database;
class SettingsFile;
} // namespace orfa::config

namespace orfa::users {

// Finds a user's record by name in one of the two stores of user records: the "Uziv_..."
// keys of the settings file, or table UZIV of the central database. A record found has
// its password decrypted and enabledInputs derived.
class UserDirectory {
public:
    // Both must outlive this object.
    UserDirectory(const config::SettingsFile& file, config::Database& db);

    // The record named name in the settings file, or in the database when useDB.
    // Nothing when no record matches. Throws config::DatabaseError when the database
    // cannot be asked.
    std::optional<UserRights> find(const QString& name, bool useDB) const;

    // Records 1 to "MaxIDUziv": the name must equal name exactly (letter case counts);
    // deleted records (empty name) never match, not even an empty name; of several
    // matches the highest ID wins.
    static std::optional<UserRights> findInFile(const config::SettingsFile& file,
                                                const QString& name);

    // The first row of UZIV whose JMENO is LIKE name: '%' and '_' in name act as
    // patterns; name travels as a parameter, so a quote in it is just a character.
    static std::optional<UserRights> findInDatabase(config::Database& db, const QString& name);

private:
    const config::SettingsFile& file_;
    config::Database& db_;
};

} // namespace orfa::users
