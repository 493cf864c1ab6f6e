#pragma once

#include <QString>

namespace orfa::config {

// The settings that always stay in this computer's settings file, whatever store holds the
// shared ones: how to reach the central database, tray behaviour and the send delay. Each
// field carries the name of the dialog control that edits it.
struct LocalKeys {
    bool DBChb = false; // use the central database
    QString DBIPE;
    QString DBportE; // stored under the key DBPortE
    QString DBCestaE;
    QString DBLoginE;
    QString DBHesloE;
    bool SysTrayChb = false;
    bool MinimizeChb = false;
    QString ProdlevaE; // as typed, not validated

    bool operator==(const LocalKeys&) const = default;
};

} // namespace orfa::config
