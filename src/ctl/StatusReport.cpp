#include "ctl/StatusReport.h"

#include "model/IoNaming.h"
#include "model/StateJson.h"
#include "model/Units.h"
#include "users/OperatorAccess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace orfa::ctl {
namespace {

using model::inputJson;
using model::outputJson;

bool boxInUse(int box, const IoNaming& naming) {
    for (const int source : {2 * box - 1, 2 * box}) {
        const auto& entry = naming.names().sources.at(static_cast<std::size_t>(source - 1));
        if (entry && entry->enabled)
            return true;
    }
    return false;
}

QString signedDb(int db) {
    return db > 0 ? QStringLiteral("+%1").arg(db) : QString::number(db);
}

QString frequency(const std::optional<link::RadioFrequency>& tuned) {
    return tuned ? link::frequencyText(*tuned) + QStringLiteral(" MHz") : QStringLiteral("-");
}

QString boxSources(int box, const IoNaming& naming) {
    return QStringList{naming.sourceName(2 * box - 1), naming.sourceName(2 * box)}.join(
        QStringLiteral(", "));
}

QString outputsTable(const model::AmpState& state, const IoNaming& naming,
                     const users::OperatorAccess& access) {
    QString out = QStringLiteral("%1  %2  %3  %4\n")
                      .arg(QStringLiteral("Output"), 6)
                      .arg(QStringLiteral("Name"), -24)
                      .arg(QStringLiteral("Volume"), 6)
                      .arg(QStringLiteral("Source"));
    for (int n = 1; n <= link::kOutputCount; ++n) {
        if (!access.outputEnabled(n))
            continue;
        const auto& output = state.outputs.at(static_cast<std::size_t>(n - 1));
        const QString volume = output.muted ? QStringLiteral("muted")
                                            : QString::number(model::volumeOfLevel(output.level));
        const QString source =
            output.source == 0
                ? QStringLiteral("-")
                : QStringLiteral("%1 %2").arg(output.source).arg(naming.sourceName(output.source));
        out += QStringLiteral("%1  %2  %3  %4\n")
                   .arg(n, 6)
                   .arg(naming.outputName(n), -24)
                   .arg(volume, 6)
                   .arg(source);
    }
    return out;
}

QString inputsTable(const model::AmpState& state, const IoNaming& naming) {
    QString out = QStringLiteral("%1  %2  %3")
                      .arg(QStringLiteral("Input"), 6)
                      .arg(QStringLiteral("Sources"), -24)
                      .arg(QStringLiteral("Gain"), 5);
    for (const char* band : model::kBandNames)
        out += QStringLiteral("  %1").arg(QLatin1String(band), 6);
    out += QLatin1Char('\n');
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        if (!boxInUse(k, naming))
            continue;
        const auto& input = state.inputs.at(static_cast<std::size_t>(k - 1));
        out += QStringLiteral("%1  %2  %3")
                   .arg(k, 6)
                   .arg(boxSources(k, naming), -24)
                   .arg(input.gain, 5);
        for (const int db : input.bandsDb)
            out += QStringLiteral("  %1").arg(signedDb(db), 6);
        out += QLatin1Char('\n');
    }
    return out;
}

} // namespace

QString StatusReport::text(const IoNaming& naming, const users::OperatorAccess& access) const {
    return QStringLiteral("Amplifier %1: power %2, master %3 dB, radio %4\n\n")
               .arg(address, state.power ? QStringLiteral("on") : QStringLiteral("off"),
                    signedDb(state.masterDb), frequency(tuned)) +
           outputsTable(state, naming, access) + QLatin1Char('\n') + inputsTable(state, naming);
}

QByteArray StatusReport::json(const IoNaming& naming, const users::OperatorAccess& access) const {
    QJsonArray outputs;
    for (int n = 1; n <= link::kOutputCount; ++n) {
        if (access.outputEnabled(n))
            outputs.append(
                outputJson(n, state.outputs.at(static_cast<std::size_t>(n - 1)), naming));
    }
    QJsonArray inputs;
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        if (boxInUse(k, naming))
            inputs.append(inputJson(k, state.inputs.at(static_cast<std::size_t>(k - 1)), naming));
    }
    QJsonObject root{
        {QStringLiteral("amplifier"), address},
        {QStringLiteral("power"), state.power ? QStringLiteral("on") : QStringLiteral("off")},
        {QStringLiteral("masterDb"), state.masterDb},
        {QStringLiteral("outputs"), outputs},
        {QStringLiteral("inputs"), inputs}};
    root.insert(QStringLiteral("radioMhz"),
                tuned ? QJsonValue(link::frequencyText(*tuned)) : QJsonValue());
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace orfa::ctl
