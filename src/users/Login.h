#pragma once

#include "users/UserRights.h"

#include <QString>

#include <optional>

namespace orfa::users {

class UserDirectory;

// Why a login was refused.
enum class LoginFailure {
    UnknownUser,   // the store has no record of the name
    WrongPassword, // it has one, and the password is another
    StoreFailed,   // the central database could not be asked
};

struct LoginResult {
    // The record to hold afterwards: the one the store has under the name (after a wrong
    // password too), or, when it has none, the record held before.
    UserRights rights;
    std::optional<LoginFailure> failure; // nothing: logged in

    bool loggedIn() const { return !failure.has_value(); }
};

// The login of the panel and of orfactl, one check in one order: looks name up in the store
// in use (the central database when useDatabase, else the settings file; UserDirectory::find
// says how names match there), then compares name and password with the record found, both
// without regard to letter case (UserRights::acceptsLogin). When the store finds no record
// of the name, or cannot be asked, they are compared with held, the record held until now:
// the user logged in before may give their name in other letters, and before anyone logged
// in an empty name with an empty password is a login without rights. Never throws.
LoginResult logIn(const UserDirectory& directory, bool useDatabase, const QString& name,
                  const QString& password, const UserRights& held);

} // namespace orfa::users
