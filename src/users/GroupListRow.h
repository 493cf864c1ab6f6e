#pragma once

#include <QString>

#include <vector>

namespace orfa::config {
class Database;
class SettingsFile;
} // namespace orfa::config

namespace orfa::users {

// One line of the groups list: a group's ID and its member outputs as the page "Skupiny"
// shows them.
struct GroupListRow {
    int id = 0;
    QString members;

    bool operator==(const GroupListRow&) const = default;
};

// Groups of the settings file, 1 to "MaxIDSkupiny"; a group whose "Skup_<g>_SkupinaPocet" is
// -1 or missing is deleted and left out. Members: "Skup_<g>_IDVstupu<k>" for k up to the
// count, each followed by two blanks ("1  5  "); a group without members shows no text.
std::vector<GroupListRow> readGroupList(const config::SettingsFile& settings);

// Groups of table SKUPINY ("Select * from skupiny order by idskupiny, IDVstupu"): one line per
// group, its members separated by two blanks ("1  5"). Throws config::DatabaseError when the
// database cannot be asked.
std::vector<GroupListRow> readGroupList(config::Database& db);

} // namespace orfa::users
