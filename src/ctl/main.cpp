// orfactl: the amplifier from the command line. See `orfactl --help` and
// orfactl(1).

#include "config/SettingsLocation.h"
#include "ctl/CtlProgram.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orfactl"));
    QLocale::setDefault(QLocale::c());
    QTextStream out(stdout);
    QTextStream err(stderr);
    orfa::ctl::Console console{out, err};
    return orfa::ctl::runOrfactl(QCoreApplication::arguments().mid(1),
                                 orfa::config::SettingsLocation::directory(), console,
                                 orfa::ctl::environmentOrTerminalPassword());
}
