#include "ctl/StateCommands.h"

#include "ctl/CtlContext.h"
#include "ctl/StatusReport.h"
#include "data/DataModule.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "model/SnapshotFile.h"
#include "model/SnapshotRestore.h"
#include "model/StateRestore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace orfa::ctl {
namespace {

using model::AmpState;
using model::RestoreStep;

// Asks the amplifier for everything status shows and waits for the answers.
int readState(const CtlContext& context, StatusReport& report) {
    context.data.control().readWholeState();
    if (const int code = context.settle(); code != kExitDone)
        return code;
    const model::AmplifierModel& amplifier = context.data.amplifier();
    report.address = context.address;
    report.state = AmpState::fromModel(amplifier);
    report.tuned = amplifier.tunedFrequency();
    return kExitDone;
}

int save(const QString& path, const CtlContext& context) {
    StatusReport report;
    if (const int code = readState(context, report); code != kExitDone)
        return code;
    const QByteArray bytes = model::writeSnapshot(report.state, context.naming, context.address);
    if (path == QLatin1String("-")) {
        context.console.out << QString::fromUtf8(bytes) << Qt::flush;
        return kExitDone;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return context.fail(kExitUsage,
                            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return kExitDone;
}

QStringList descriptions(const std::vector<RestoreStep>& steps) {
    QStringList list;
    for (const RestoreStep& step : steps)
        list << step.what;
    return list;
}

int report(const CtlContext& context, const QStringList& changed, const QStringList& notTaken) {
    if (context.arguments.json) {
        const QJsonObject root{{QStringLiteral("changed"), QJsonArray::fromStringList(changed)},
                               {QStringLiteral("notTaken"), QJsonArray::fromStringList(notTaken)}};
        context.console.out << QString::fromUtf8(QJsonDocument(root).toJson()) << Qt::flush;
    } else {
        context.console.out << QStringLiteral("%1 setting(s) restored").arg(changed.size())
                            << Qt::endl;
    }
    for (const QString& what : notTaken)
        context.console.err << "orfactl: did not take: " << what << Qt::endl;
    return notTaken.isEmpty() ? kExitDone : kExitAmplifierFailed;
}

int restore(const QString& path, const CtlContext& context) {
    QString error;
    const auto parts = model::parseRestoreParts(context.arguments.only, error);
    if (!parts)
        return context.fail(kExitUsage, error);
    QFile file;
    const bool opened = path == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return context.fail(kExitUsage,
                            QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const auto wanted = model::readSnapshot(file.readAll(), error);
    if (!wanted)
        return context.fail(kExitUsage, QStringLiteral("%1: %2").arg(path, error));

    StatusReport current;
    if (const int code = readState(context, current); code != kExitDone)
        return code;
    const std::vector<RestoreStep> steps =
        model::restoreSteps(current.state, *wanted, *parts, context.access, context.naming);
    if (const QStringList forbidden = model::forbiddenSteps(steps, context.access);
        !forbidden.isEmpty())
        return context.fail(kExitNotAllowed, QStringLiteral("not allowed, nothing restored: %1")
                                                 .arg(forbidden.join(QStringLiteral(", "))));
    // An unreachable amplifier shows in the settling that follows.
    model::StateRestore sending(context.data.control(), context.access, steps);
    sending.start();
    if (const int code = context.settle(); code != kExitDone)
        return code;

    StatusReport after;
    if (const int code = readState(context, after); code != kExitDone)
        return code;
    const std::vector<RestoreStep> missing =
        model::restoreSteps(after.state, *wanted, *parts, context.access, context.naming);
    return report(context, descriptions(steps), descriptions(missing));
}

} // namespace

int runStatus(const QStringList& words, const CtlContext& context) {
    if (!words.isEmpty())
        return context.fail(kExitUsage, QStringLiteral("usage: orfactl status"));
    StatusReport report;
    if (const int code = readState(context, report); code != kExitDone)
        return code;
    if (context.arguments.json)
        context.console.out << QString::fromUtf8(report.json(context.naming, context.access));
    else
        context.console.out << report.text(context.naming, context.access);
    context.console.out << Qt::flush;
    return kExitDone;
}

int runSnapshot(const QStringList& words, const CtlContext& context) {
    if (words.size() != 2 ||
        (words[0] != QLatin1String("save") && words[0] != QLatin1String("restore")))
        return context.fail(kExitUsage,
                            QStringLiteral("usage: orfactl snapshot save|restore FILE"));
    return words[0] == QLatin1String("save") ? save(words[1], context) : restore(words[1], context);
}

} // namespace orfa::ctl
