#pragma once

#include "ctl/CtlContext.h"
#include "ctl/CtlLogin.h"

#include <QString>
#include <QStringList>

namespace orfa::ctl {

// orfactl as a function, for main() and for the tests: parses the arguments
// (without the program name), reads the settings of configDir (the central
// database's rows when it is in use), logs in, runs the command against the
// amplifier and returns the exit code. Needs a QCoreApplication; runs the
// event loop while it waits for the amplifier.
int runOrfactl(const QStringList& arguments, const QString& configDir, Console& console,
               const PasswordSource& password);

} // namespace orfa::ctl
