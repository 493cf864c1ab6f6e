#include "config/ProgramVersion.h"

namespace orfa::config {

QString programVersion() {
    return QStringLiteral(ORFA_VERSION);
}

} // namespace orfa::config
