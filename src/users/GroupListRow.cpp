#include "users/GroupListRow.h"

#include "config/Database.h"
#include "config/FileRecords.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::users {

std::vector<GroupListRow> readGroupList(const config::SettingsFile& settings) {
    namespace keys = config::keys;
    std::vector<GroupListRow> rows;
    const int lastId = config::lastGroupId(settings);
    for (int g = 1; g <= lastId; ++g) {
        if (settings.readInteger(keys::groupCount(g), -1) == -1)
            continue;
        QString members;
        for (const int output : config::readGroupMembers(settings, g))
            members += QString::number(output) + QStringLiteral("  ");
        rows.push_back(GroupListRow{g, members});
    }
    return rows;
}

std::vector<GroupListRow> readGroupList(config::Database& db) {
    std::vector<GroupListRow> rows;
    db.execute(QStringLiteral("Select * from skupiny order by idskupiny, IDVstupu"));
    for (const config::ResultRow& row : db.rows()) {
        const int group = row.integer(QStringLiteral("IDSKUPINY"));
        const QString output = row.text(QStringLiteral("IDVSTUPU"));
        if (!rows.empty() && rows.back().id == group)
            rows.back().members += QStringLiteral("  ") + output;
        else
            rows.push_back(GroupListRow{group, output});
    }
    return rows;
}

} // namespace orfa::users
