#include "model/SnapshotRestore.h"

#include "model/IoNaming.h"
#include "users/OperatorAccess.h"

namespace orfa::model {
namespace {

QString outputLabel(int n, const IoNaming& naming) {
    const QString name = naming.outputName(n);
    return name.isEmpty() ? QStringLiteral("output %1").arg(n)
                          : QStringLiteral("output %1 (%2)").arg(n).arg(name);
}

void addOutputSteps(const AmpState& current, const AmpState& wanted,
                    const users::OperatorAccess& access, const IoNaming& naming,
                    std::vector<RestoreStep>& steps) {
    using Kind = RestoreStep::Kind;
    for (int n = 1; n <= link::kOutputCount; ++n) {
        if (!access.outputEnabled(n))
            continue;
        const auto& now = current.outputs.at(static_cast<std::size_t>(n - 1));
        const auto& target = wanted.outputs.at(static_cast<std::size_t>(n - 1));
        if (target.source != 0 && target.source != now.source)
            steps.push_back({Kind::Source, n, 0, target.source,
                             outputLabel(n, naming) + QStringLiteral(" source")});
        if (target.level != now.level)
            steps.push_back({Kind::Level, n, 0, target.level,
                             outputLabel(n, naming) + QStringLiteral(" level")});
    }
}

void addInputSteps(const AmpState& current, const AmpState& wanted,
                   std::vector<RestoreStep>& steps) {
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        const auto& now = current.inputs.at(static_cast<std::size_t>(k - 1));
        const auto& target = wanted.inputs.at(static_cast<std::size_t>(k - 1));
        if (target.gain != now.gain)
            steps.push_back({RestoreStep::Kind::InputParameter, k, link::kGainParameter,
                             target.gain, QStringLiteral("input %1 gain").arg(k)});
        for (std::size_t b = 0; b < kBandNames.size(); ++b) {
            if (target.bandsDb.at(b) == now.bandsDb.at(b))
                continue;
            const int parameter = static_cast<int>(b) + 2;
            steps.push_back(
                {RestoreStep::Kind::InputParameter, k, parameter, target.bandsDb.at(b),
                 QStringLiteral("input %1 band %2").arg(k).arg(QLatin1String(kBandNames.at(b)))});
        }
    }
}

} // namespace

std::optional<RestoreParts> parseRestoreParts(const QStringList& only, QString& error) {
    if (only.isEmpty())
        return RestoreParts{};
    RestoreParts parts{false, false, false, false};
    for (const QString& word : only) {
        const QString part = word.trimmed().toLower();
        if (part == QLatin1String("power"))
            parts.power = true;
        else if (part == QLatin1String("master"))
            parts.master = true;
        else if (part == QLatin1String("outputs"))
            parts.outputs = true;
        else if (part == QLatin1String("inputs"))
            parts.inputs = true;
        else {
            error = QStringLiteral("--only knows power, master, outputs and inputs, not \"%1\"")
                        .arg(word);
            return std::nullopt;
        }
    }
    return parts;
}

std::vector<RestoreStep> restoreSteps(const AmpState& current, const AmpState& wanted,
                                      const RestoreParts& parts,
                                      const users::OperatorAccess& access, const IoNaming& naming) {
    std::vector<RestoreStep> steps;
    const bool switchPower = parts.power && current.power != wanted.power;
    const RestoreStep power{RestoreStep::Kind::Power, 0, 0, wanted.power ? 1 : 0,
                            QStringLiteral("power")};
    if (switchPower && wanted.power)
        steps.push_back(power);
    if (parts.master && current.masterDb != wanted.masterDb)
        steps.push_back(
            {RestoreStep::Kind::Master, 0, 0, wanted.masterDb, QStringLiteral("master volume")});
    if (parts.outputs)
        addOutputSteps(current, wanted, access, naming, steps);
    if (parts.inputs)
        addInputSteps(current, wanted, steps);
    if (switchPower && !wanted.power)
        steps.push_back(power);
    return steps;
}

QStringList forbiddenSteps(const std::vector<RestoreStep>& steps,
                           const users::OperatorAccess& access) {
    QStringList forbidden;
    for (const RestoreStep& step : steps) {
        bool allowed = true;
        switch (step.kind) {
        case RestoreStep::Kind::Power:
            break;
        case RestoreStep::Kind::Master:
            allowed = access.mayChangeMasterVolume();
            break;
        case RestoreStep::Kind::Source:
            allowed = access.mayChooseSource(step.number, step.value);
            break;
        case RestoreStep::Kind::Level:
            allowed = access.mayChangeLevel(step.number);
            break;
        case RestoreStep::Kind::InputParameter:
            allowed = access.mayConfigureInput(step.number);
            break;
        }
        if (!allowed)
            forbidden << step.what;
    }
    return forbidden;
}

} // namespace orfa::model
