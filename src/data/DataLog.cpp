#include "data/DataLog.h"

Q_LOGGING_CATEGORY(lcData, "orfa.data", QtWarningMsg)
