#pragma once

#include <QString>

#include <cstdint>

namespace orfa::users {

// A flag string holds one character per input or output, position 1 first:
// '0' withholds the right, anything else grants it. The user editor writes
// the position's own capital letter ('A' at 1, 'B' at 2, ...).
namespace flags {

// Whether position p (from 1) grants the right. A position beyond the end of
// the text, or p < 1, does not.
bool allows(const QString& flagString, int position);

// Whether position p holds exactly its own letter, as the user editor shows it.
bool hasOwnLetter(const QString& flagString, int position);

// The letter that grants position p ('A' for 1).
QChar letterFor(int position);

// The permitted sources (12 characters): positions 11 to 22 of the input
// rights followed by zeros, so position i repeats input-rights position 10 + i.
QString permittedSources(const QString& inputRights);

} // namespace flags

// The rights of the operator currently logged in.
struct UserRights {
    std::int32_t userId = 0;
    QString name;
    QString password;
    QString inputs;          // 1-10 configure input p, 11-20 choose input p-10 as a source
    QString enabledInputs;   // derived from inputs on every load, never stored
    QString outputs;         // volume of output p
    QString sourceSwitching; // source switching of output p
    std::int32_t administration = 0;
    std::int32_t masterVolume = 0;
    std::int32_t profile = 0;
    std::int32_t radio = 0;
    std::int32_t activatePresets = 0;
    std::int32_t storePresets = 0;

    // An integer right counts only when it is exactly 1.
    static bool granted(std::int32_t right) { return right == 1; }

    // The state at start: every flag position '0', every integer right 0.
    static UserRights noRights();

    // Rebuilds enabledInputs from inputs; done whenever a user record is loaded.
    void deriveEnabledInputs();

    // Whether a login with this name and password is this record's: both
    // compared without regard to case, as the login dialog always has.
    bool acceptsLogin(const QString& loginName, const QString& loginPassword) const;
    // The name half of acceptsLogin().
    bool isNamed(const QString& loginName) const;

    bool operator==(const UserRights&) const = default;
};

// Grants everything (used when no login is asked for); keeps userId.
void grantAllRights(UserRights& userRights);

} // namespace orfa::users
