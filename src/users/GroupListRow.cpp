#include "users/GroupListRow.h"

#include "config/Database.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

#include <algorithm>

namespace orfa::users {
namespace {

// A damaged count must not keep the dialog reading keys for minutes: the group editor stores
// at most 16 members.
constexpr int kMemberLimit = 64;

} // namespace

std::vector<GroupListRow> readGroupList(const config::SettingsFile& settings) {
    namespace keys = config::keys;
    std::vector<GroupListRow> rows;
    const int maxId = std::min(settings.readInteger(keys::maxGroupId(), 0), keys::kHighestGroupId);
    for (int g = 1; g <= maxId; ++g) {
        const int count = settings.readInteger(keys::groupCount(g), -1);
        if (count == -1)
            continue;
        QString members;
        for (int k = 1; k <= std::min(count, kMemberLimit); ++k)
            members += QString::number(settings.readInteger(keys::groupMember(g, k), 0)) +
                       QStringLiteral("  ");
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
