#pragma once

#include "link/Instructions.h"
#include "model/Units.h"

#include <array>

namespace orfa::model {

class AmplifierModel;

// The amplifier's whole mixable state in the units a person reads: what a
// snapshot holds, what status shows and what a restore compares.
struct AmpState {
    struct Output {
        int level = 0;  // 0 (loudest) .. 79 (muted)
        int source = 0; // 0 none, 1..10
        bool muted = false;
        friend bool operator==(const Output&, const Output&) = default;
    };
    struct Input {
        int gain = 0;                          // 0..15
        std::array<int, kBandCount> bandsDb{}; // -12..12, bands 60 Hz .. 10 kHz
        friend bool operator==(const Input&, const Input&) = default;
    };

    bool power = false;
    int masterDb = 0; // -79..80
    std::array<Output, link::kOutputCount> outputs{};
    std::array<Input, link::kInputBoxCount> inputs{};

    friend bool operator==(const AmpState&, const AmpState&) = default;

    // What the model holds; unknown values as 0 and off.
    static AmpState fromModel(const AmplifierModel& model);
};

} // namespace orfa::model
