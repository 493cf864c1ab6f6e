#pragma once

#include <QString>

namespace orfa::config {

// The settings that always stay in this computer's settings file, whatever store holds the
// shared ones: how to reach the central database, tray behaviour and the send delay. The
// comments name the keys.
struct LocalKeys {
    bool useDatabase = false;    // DBChb: the shared settings are in the central database
    QString databaseHost;        // DBIPE
    QString databasePort;        // DBPortE
    QString databasePath;        // DBCestaE: the database file on the server
    QString databaseUser;        // DBLoginE
    QString databasePassword;    // DBHesloE
    bool minimiseToTray = false; // SysTrayChb
    bool closeToTray = false;    // MinimizeChb: the close button hides the window in the tray
    QString sendDelayText;       // ProdlevaE: the send delay as typed, not validated

    bool operator==(const LocalKeys&) const = default;
};

} // namespace orfa::config
