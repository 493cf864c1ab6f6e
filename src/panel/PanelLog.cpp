#include "panel/PanelLog.h"

Q_LOGGING_CATEGORY(lcPanel, "orfa.panel", QtWarningMsg)
