#include "users/UserListRow.h"

#include "config/Database.h"
#include "config/FileRecords.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/PasswordCipher.h"

namespace orfa::users {

std::vector<UserListRow> readUserList(const config::SettingsFile& settings) {
    namespace keys = config::keys;
    std::vector<UserListRow> rows;
    const int lastId = config::lastUserId(settings);
    for (int n = 1; n <= lastId; ++n) {
        const QString name = settings.readText(keys::userName(n));
        if (name.isEmpty())
            continue;
        rows.push_back(UserListRow{
            n, name, decryptPassword(settings.readText(keys::userPassword(n)), passwordKey()),
            settings.readInteger(keys::userAdministration(n), 0) != 0});
    }
    return rows;
}

std::vector<UserListRow> readUserList(config::Database& db) {
    std::vector<UserListRow> rows;
    db.execute(QStringLiteral("Select * from uziv order by jmeno"));
    for (const config::ResultRow& row : db.rows()) {
        rows.push_back(
            UserListRow{row.integer(QStringLiteral("ID")), row.text(QStringLiteral("JMENO")),
                        decryptPassword(row.text(QStringLiteral("HESLO")), passwordKey()),
                        row.integer(QStringLiteral("ADMINISTRACE")) == 1});
    }
    return rows;
}

} // namespace orfa::users
