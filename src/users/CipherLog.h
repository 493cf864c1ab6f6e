#pragma once

#include <QLoggingCategory>

namespace orfa::users {

// The password cipher: a stored password that cannot be read, a missing cipher module.
Q_DECLARE_LOGGING_CATEGORY(lcCipher)

} // namespace orfa::users
