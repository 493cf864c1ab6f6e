#pragma once

#include <QString>

namespace orfa::users {

// One stored user as the user editor edits it: the password in plain text (the stores
// keep only its cipher form), the three flag strings as stored, and the six integer
// rights as ticked or not.
struct UserRecord {
    QString name;
    QString password;
    QString inputs;
    QString outputs;
    QString sourceSwitching;
    bool administration = false;
    bool masterVolume = false;
    bool profile = false;
    bool radio = false;
    bool activatePresets = false;
    bool storePresets = false;

    bool operator==(const UserRecord&) const = default;
};

} // namespace orfa::users
