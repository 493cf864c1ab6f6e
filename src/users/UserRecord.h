#pragma once

#include <QString>

namespace orfa::users {

// One stored user as the user editor edits it: the password in plain text (the stores
// keep only its cipher form), the three flag strings as stored, and the six integer
// rights as ticked or not.
struct UserRecord {
    QString Jmeno;
    QString Heslo;
    QString Vstupy;
    QString Vystupy;
    QString Matice;
    bool Administrace = false;
    bool Hlasitost = false;
    bool Profil = false;
    bool Radio = false;
    bool AktivacePredvoleb = false;
    bool UlozeniPredvoleb = false;

    bool operator==(const UserRecord&) const = default;
};

} // namespace orfa::users
