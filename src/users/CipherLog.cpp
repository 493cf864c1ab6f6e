#include "users/CipherLog.h"

namespace orfa::users {

Q_LOGGING_CATEGORY(lcCipher, "orfa.users.cipher", QtWarningMsg)

} // namespace orfa::users
