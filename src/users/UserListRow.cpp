#include "users/UserListRow.h"

#include "config/Database.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/PasswordCipher.h"

#include <algorithm>

namespace orfa::users {

std::vector<UserListRow> readUserList(const config::SettingsFile& reg) {
    namespace keys = config::keys;
    std::vector<UserListRow> rows;
    const int maxId = std::min(reg.readInteger(keys::maxUserId(), 0), keys::kHighestUserId);
    for (int n = 1; n <= maxId; ++n) {
        const QString name = reg.readText(keys::userName(n));
        if (name.isEmpty())
            continue;
        rows.push_back(UserListRow{n, name,
                                   Decrypt(reg.readText(keys::userPassword(n)), passwordKey()),
                                   reg.readInteger(keys::userAdministration(n), 0) != 0});
    }
    return rows;
}

std::vector<UserListRow> readUserList(config::Database& db) {
    std::vector<UserListRow> rows;
    db.execute(QStringLiteral("Select * from uziv order by jmeno"));
    for (const config::ResultRow& row : db.rows()) {
        rows.push_back(UserListRow{row.integer(QStringLiteral("ID")),
                                   row.text(QStringLiteral("JMENO")),
                                   Decrypt(row.text(QStringLiteral("HESLO")), passwordKey()),
                                   row.integer(QStringLiteral("ADMINISTRACE")) == 1});
    }
    return rows;
}

} // namespace orfa::users
