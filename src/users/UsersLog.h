#pragma once

#include <QLoggingCategory>

namespace orfa::users {

// User records and logins: a store that could not be asked.
Q_DECLARE_LOGGING_CATEGORY(lcUsers)

} // namespace orfa::users
