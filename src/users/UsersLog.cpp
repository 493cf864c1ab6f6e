#include "users/UsersLog.h"

namespace orfa::users {

Q_LOGGING_CATEGORY(lcUsers, "orfa.users", QtWarningMsg)

} // namespace orfa::users
