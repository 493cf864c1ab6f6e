#include "users/UserDirectory.h"

#include "config/Database.h"
#include "config/FileRecords.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/StoredUser.h"

#include <QVariant>

namespace orfa::users {

UserDirectory::UserDirectory(const config::SettingsFile& file, config::Database& db)
    : file_(file)
    , db_(db) {}

std::optional<UserRights> UserDirectory::find(const QString& name, bool useDB) const {
    return useDB ? findInDatabase(db_, name) : findInFile(file_, name);
}

std::optional<UserRights> UserDirectory::findInFile(const config::SettingsFile& file,
                                                    const QString& name) {
    namespace keys = config::keys;
    const int lastId = config::lastUserId(file);
    int found = 0;
    for (int n = 1; n <= lastId; ++n) {
        const QString stored = file.readText(keys::userName(n));
        if (!stored.isEmpty() && stored == name)
            found = n;
    }
    if (found == 0)
        return std::nullopt;
    return readFileUser(file, found);
}

std::optional<UserRights> UserDirectory::findInDatabase(config::Database& db, const QString& name) {
    db.execute(QStringLiteral("Select * From UZIV Where jmeno like ? "), {QVariant(name)});
    if (db.rows().isEmpty())
        return std::nullopt;
    return readDatabaseUser(db.rows().first());
}

} // namespace orfa::users
