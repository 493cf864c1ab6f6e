#include "ctl/CtlProgram.h"

#include "config/AmplifierAddress.h"
#include "config/ProgramVersion.h"
#include "ctl/SetCommands.h"
#include "ctl/StateCommands.h"
#include "data/DataModule.h"
#include "data/OutputGroups.h"

namespace orfa::ctl {
namespace {

int usageError(Console& console, const QString& text) {
    console.err << "orfactl: " << text << Qt::endl
                << "Try 'orfactl --help' for more information." << Qt::endl;
    return kExitUsage;
}

int runCommand(const CtlArguments& arguments, data::DataModule& data, Console& console,
               const PasswordSource& password) {
    link::AmpLink& link = data.link();
    if (!arguments.amp.isEmpty()) {
        const std::optional<config::AmplifierAddress> given =
            config::parseHostAndPort(arguments.amp);
        if (!given)
            return usageError(
                console, QStringLiteral("--amp wants HOST:PORT, not \"%1\"").arg(arguments.amp));
        link.setAddress(given->host, given->port);
    }
    const QString address = link.host() + QLatin1Char(':') + link.port();
    // A one-shot command has nothing to coalesce: every frame goes at the next tick.
    link.setSendDelay(0);

    if (!data.databaseError().isEmpty()) {
        console.err << "orfactl: the central database cannot be read: " << data.databaseError()
                    << Qt::endl;
        return kExitUnreachable;
    }
    const std::optional<config::IoNames> names = data.readIoNames();
    if (!names) {
        console.err << "orfactl: the names of outputs and sources cannot be read" << Qt::endl;
        return kExitUnreachable;
    }
    data::applyOutputGroups(data.amplifier(), *names);

    QString error;
    if (!logIn(data, arguments.user, password, error)) {
        console.err << "orfactl: " << error << Qt::endl;
        return kExitNotAllowed;
    }
    const model::IoNaming naming(*names);
    const users::OperatorAccess access(*names, data.rights(),
                                       data.usesDatabase() ? users::LevelRule::FlagAndVolume
                                                           : users::LevelRule::FlagMatrixAndVolume);
    AmpSession session(link, arguments.timeoutMs);
    const CtlContext context{arguments, console, data, naming, access, session, address};
    if (!session.hasAddress())
        return context.fail(kExitUnreachable,
                            QStringLiteral("no amplifier address in the settings; use --amp "
                                           "HOST:PORT"));

    const QString command = arguments.words.first();
    const QStringList words = arguments.words.mid(1);
    if (command == QLatin1String("status"))
        return runStatus(words, context);
    if (command == QLatin1String("snapshot"))
        return runSnapshot(words, context);
    return runSetCommand(command, words, context);
}

} // namespace

int runOrfactl(const QStringList& arguments, const QString& configDir, Console& console,
               const PasswordSource& password) {
    QString error;
    const std::optional<CtlArguments> parsed = parseArguments(arguments, error);
    if (!parsed)
        return usageError(console, error);
    if (parsed->help) {
        console.out << usageText() << Qt::flush;
        return kExitDone;
    }
    if (parsed->version) {
        console.out << "orfactl " << config::programVersion() << Qt::endl;
        return kExitDone;
    }
    if (parsed->words.isEmpty())
        return usageError(console, QStringLiteral("no command given"));
    const QString& command = parsed->words.first();
    if (command != QLatin1String("status") && command != QLatin1String("snapshot") &&
        !isSetCommand(command))
        return usageError(console, QStringLiteral("unknown command \"%1\"").arg(command));

    data::DataModule data(configDir);
    return runCommand(*parsed, data, console, password);
}

} // namespace orfa::ctl
