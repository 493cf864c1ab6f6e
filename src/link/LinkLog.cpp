#include "link/LinkLog.h"

Q_LOGGING_CATEGORY(lcLink, "orfa.link", QtWarningMsg)
