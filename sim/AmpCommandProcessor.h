#pragma once

#include "sim/AmpState.h"
#include "spinel/SpinelCore.h"

#include <cstdint>

namespace orfa::sim {

using spinel::Bytes;

// Acknowledge codes of the simulated amplifier.
inline constexpr std::uint8_t kAckAccepted = 0;
inline constexpr std::uint8_t kAckUnknownInstruction = 1;
inline constexpr std::uint8_t kAckBadData = 2;

// What the amplifier answers to one command: its acknowledge code and, for
// requests, the data.
struct AmpAnswer {
    std::uint8_t ack = kAckAccepted;
    Bytes data;
};

// The amplifier's behaviour behind each instruction, without any socket:
// applies a command to the state and says what to answer. Commands with data
// the amplifier cannot take (an output 0, a level above 79, a payload of the
// wrong size, ...) are refused as a whole with kAckBadData and change
// nothing, so that a fault of the panel shows up instead of being hidden.
class AmpCommandProcessor {
public:
    explicit AmpCommandProcessor(AmpState& state);

    // Applies the command and returns the answer. Settings answer without
    // data; requests answer with the layout the panel decodes. A request
    // with a number list answers the items it names, in its order; an empty
    // list answers all of them.
    AmpAnswer process(std::uint8_t instruction, const Bytes& data);

private:
    AmpAnswer setMasterVolume(const Bytes& data);
    AmpAnswer setOutputLevels(const Bytes& data);
    AmpAnswer setOutputSource(const Bytes& data);
    AmpAnswer setInputParameter(const Bytes& data);
    AmpAnswer storePreset(const Bytes& data);
    AmpAnswer activatePreset(const Bytes& data);
    AmpAnswer storeSchedule(const Bytes& data);
    AmpAnswer setPower(const Bytes& data);
    AmpAnswer tuneRadioMemory(const Bytes& data);
    AmpAnswer storeRadioMemories(const Bytes& data);
    AmpAnswer readOutputs(const Bytes& data, bool levels) const;
    AmpAnswer readInputParameters(const Bytes& data) const;
    AmpAnswer readSchedule() const;
    AmpAnswer readRadioMemories() const;

    AmpState& state_;
};

} // namespace orfa::sim
