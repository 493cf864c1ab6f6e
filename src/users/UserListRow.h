#pragma once

#include <QString>

#include <vector>

namespace orfa::config {
class Database;
class SettingsFile;
} // namespace orfa::config

namespace orfa::users {

// One line of the users list: a stored user with the password readable, as the
// administrator sees it on the page "Uživatelé".
struct UserListRow {
    int id = 0;
    QString name;
    QString password; // decrypted
    bool administrator = false;

    bool operator==(const UserListRow&) const = default;
};

// Users of the settings file by ID, 1 to "MaxIDUziv"; records with an empty name are deleted
// ones and left out. Administrator: "Uziv_<n>_Administrace" holds a number other than 0.
std::vector<UserListRow> readUserList(const config::SettingsFile& settings);

// Users of table UZIV ordered by name ("Select * from uziv order by jmeno"). Administrator:
// ADMINISTRACE is 1. Throws config::DatabaseError when the database cannot be asked.
std::vector<UserListRow> readUserList(config::Database& db);

} // namespace orfa::users
