#include "model/AmpState.h"

#include "model/AmplifierModel.h"

namespace orfa::model {

AmpState AmpState::fromModel(const AmplifierModel& model) {
    AmpState state;
    state.power = model.power() == link::PowerState::On;
    state.masterDb = model.masterVolumeDb();
    for (int n = 1; n <= link::kOutputCount; ++n) {
        auto& output = state.outputs.at(static_cast<std::size_t>(n - 1));
        output.level = model.outputLevel(n);
        output.source = model.outputSource(n);
        output.muted = model.isMuted(n);
    }
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        auto& input = state.inputs.at(static_cast<std::size_t>(k - 1));
        input.gain = model.inputParameter(k, link::kGainParameter);
        for (int band = 1; band <= kBandCount; ++band)
            input.bandsDb.at(static_cast<std::size_t>(band - 1)) =
                model.inputParameter(k, band + 1);
    }
    return state;
}

} // namespace orfa::model
