#include "ctl/AmpState.h"

#include "link/ValueCodec.h"
#include "model/AmplifierModel.h"

namespace orfa::ctl {

AmpState AmpState::fromModel(const model::AmplifierModel& model) {
    AmpState state;
    state.power = model.power() == link::PowerState::On;
    state.masterDb = link::masterVolumeDb(model.masterVolume());
    for (int n = 1; n <= link::kOutputCount; ++n) {
        auto& output = state.outputs.at(static_cast<std::size_t>(n - 1));
        output.level = model.outputLevel(n);
        output.source = model.outputSource(n);
    }
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        auto& input = state.inputs.at(static_cast<std::size_t>(k - 1));
        input.gain = model.inputParameter(k, link::kGainParameter);
        for (int band = 1; band <= 5; ++band)
            input.bandsDb.at(static_cast<std::size_t>(band - 1)) =
                link::kBandZeroPosition - model.inputParameter(k, band + 1);
    }
    return state;
}

} // namespace orfa::ctl
