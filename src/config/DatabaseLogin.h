#pragma once

#include <QString>

namespace orfa::config {

class SettingsFile;

// How to reach the central database, as the settings file holds it (DBIPE, DBPortE,
// DBCestaE, DBLoginE, DBHesloE). Texts are kept as stored; the connection decides the
// letter case of the user name and password.
struct DatabaseLogin {
    QString host;
    QString port;
    QString path;
    QString user;
    QString password;

    // The five keys as settings holds them, empty when missing.
    static DatabaseLogin fromSettings(const SettingsFile& settings);

    // The server's form "host/port:path".
    QString databaseName() const;
};

} // namespace orfa::config
