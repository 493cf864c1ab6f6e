#pragma once

#include "link/Instructions.h"

#include <array>

namespace orfa::model {
class AmplifierModel;
}

namespace orfa::ctl {

// The amplifier's whole mixable state in the units a person reads: what a
// snapshot holds, what status shows and what a restore compares.
struct AmpState {
    struct Output {
        int level = 0;  // 0 (top) .. 79 (bottom, muted)
        int source = 0; // 0 none, 1..10
        friend bool operator==(const Output&, const Output&) = default;
    };
    struct Input {
        int gain = 0;                 // 0..15
        std::array<int, 5> bandsDb{}; // -12..12, bands 60 Hz .. 10 kHz
        friend bool operator==(const Input&, const Input&) = default;
    };

    bool power = false;
    int masterDb = 0; // -79..80
    std::array<Output, link::kOutputCount> outputs{};
    std::array<Input, link::kInputBoxCount> inputs{};

    friend bool operator==(const AmpState&, const AmpState&) = default;

    static AmpState fromModel(const model::AmplifierModel& model);
};

// The names of the equaliser bands, lowest first.
inline constexpr std::array<const char*, 5> kBandNames{"60 Hz", "250 Hz", "1 kHz", "3 kHz",
                                                       "10 kHz"};

} // namespace orfa::ctl
