#pragma once

#include <QLoggingCategory>

// Technicians switch this on with QT_LOGGING_RULES="orfa.settings.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
