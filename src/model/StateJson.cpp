#include "model/StateJson.h"

#include "model/IoNaming.h"
#include "model/Units.h"

#include <QJsonArray>

namespace orfa::model {

QJsonObject outputJson(int output, const AmpState::Output& state, const IoNaming& naming) {
    return {{QStringLiteral("output"), output},
            {QStringLiteral("name"), naming.outputName(output)},
            {QStringLiteral("level"), state.level},
            {QStringLiteral("volume"), volumeOfLevel(state.level)},
            {QStringLiteral("muted"), state.muted},
            {QStringLiteral("source"), state.source},
            {QStringLiteral("sourceName"), naming.sourceName(state.source)}};
}

QJsonObject inputJson(int box, const AmpState::Input& state, const IoNaming& naming) {
    QJsonObject bands;
    for (std::size_t b = 0; b < kBandNames.size(); ++b)
        bands.insert(QLatin1String(kBandNames.at(b)), state.bandsDb.at(b));
    return {{QStringLiteral("input"), box},
            {QStringLiteral("sources"),
             QJsonArray{naming.sourceName(2 * box - 1), naming.sourceName(2 * box)}},
            {QStringLiteral("gain"), state.gain},
            {QStringLiteral("eqDb"), bands}};
}

} // namespace orfa::model
