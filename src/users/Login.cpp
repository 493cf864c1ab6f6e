#include "users/Login.h"

#include "config/DatabaseError.h"
#include "users/UserDirectory.h"
#include "users/UsersLog.h"

namespace orfa::users {

LoginResult logIn(const UserDirectory& directory, bool useDatabase, const QString& name,
                  const QString& password, const UserRights& held) {
    std::optional<UserRights> found;
    LoginFailure notFound = LoginFailure::UnknownUser;
    try {
        found = directory.find(name, useDatabase);
    } catch (const config::DatabaseError& error) {
        qCWarning(lcUsers) << "looking a user up:" << error.message();
        notFound = LoginFailure::StoreFailed;
    }
    const UserRights& record = found ? *found : held;
    LoginResult result{record, std::nullopt};
    if (!record.acceptsLogin(name, password))
        result.failure = found && found->isNamed(name) ? LoginFailure::WrongPassword : notFound;
    return result;
}

} // namespace orfa::users
