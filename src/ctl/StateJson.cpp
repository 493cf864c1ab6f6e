#include "ctl/StateJson.h"

#include "ctl/IoNaming.h"
#include "link/ValueCodec.h"

#include <QJsonArray>

namespace orfa::ctl {

QJsonObject outputJson(int output, const AmpState::Output& state, const IoNaming& naming) {
    return {{QStringLiteral("output"), output},
            {QStringLiteral("name"), naming.outputName(output)},
            {QStringLiteral("level"), state.level},
            {QStringLiteral("muted"), state.level == link::kOutputLevelMax},
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

} // namespace orfa::ctl
