#pragma once

#include <QLoggingCategory>

// Refused and lost commands are warnings here; the rest with
// QT_LOGGING_RULES="orfa.model.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcModel)
