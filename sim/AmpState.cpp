#include "sim/AmpState.h"

#include "link/ValueCodec.h"

namespace orfa::sim {

AmpState AmpState::plausible() {
    AmpState state;
    state.power = true;
    state.mix.masterVolumeDb = -20;
    for (std::size_t n = 0; n < state.mix.levels.size(); ++n) {
        state.mix.levels[n] = static_cast<std::uint8_t>(10 + 4 * n);
        state.mix.sources[n] = static_cast<std::uint8_t>(n % 10 + 1);
    }
    state.mix.levels[15] = 79; // muted
    for (std::size_t i = 0; i < state.mix.inputParameters.size(); ++i) {
        const bool gain = i % 6 == 0;
        state.mix.inputParameters[i] =
            gain ? std::uint8_t{8} : link::encodeSignMagnitude(static_cast<int>(i % 6) - 3);
    }
    const std::array<RadioMemory, 9> memories{{{87, 60, true},
                                               {89, 50, true},
                                               {91, 90, false},
                                               {94, 60, true},
                                               {98, 0, true},
                                               {101, 10, false},
                                               {104, 50, true},
                                               {105, 90, true},
                                               {107, 30, false}}};
    state.memories = memories;
    state.tunedMhz = 104;
    state.tunedHundredths = 50;
    state.scheduleOn = true;
    for (std::size_t day = 0; day < 5; ++day)
        state.schedule[day] = {7, 0, 18, 0};
    state.schedule[5] = {8, 30, 12, 0};
    state.schedule[6] = {0, 0, 0, 0};
    for (std::size_t p = 0; p < state.presets.size(); ++p)
        state.presets[p] = state.mix;
    return state;
}

} // namespace orfa::sim
