#pragma once

#include <QString>
#include <QStringList>

namespace orfa::mqtt {

inline constexpr int kExitStopped = 0;
inline constexpr int kExitCannotRun = 1; // settings, database or amplifier address
inline constexpr int kExitUsage = 2;

// orfa-mqtt as a function for main(): parses the arguments (without the
// program name), reads OrfaMqtt.ini and the settings of configDir and runs
// the service until SIGTERM or SIGINT. Needs a QCoreApplication.
int runOrfaMqtt(const QStringList& arguments, const QString& configDir);

} // namespace orfa::mqtt
