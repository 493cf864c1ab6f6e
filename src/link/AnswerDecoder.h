#pragma once

#include "link/FrequencyText.h"
#include "link/ValueCodec.h"
#include "spinel/SpinelCore.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orfa::link {

using spinel::Bytes;

// Decoders of the amplifier's answers into plain values. Each takes a whole
// format-97 answer frame as the receiver hands it on (acknowledge code 0 is
// the receiver's check, not theirs) and never reads the checksum or the CR as
// data: a value always comes from the data bytes between header and checksum.

// The data bytes of a frame (from offset 7 up to the checksum); empty for a
// frame too short to carry any.
Bytes answerData(const Bytes& frame);

struct BytePair {
    std::uint8_t first = 0;
    std::uint8_t second = 0;
    friend bool operator==(const BytePair&, const BytePair&) = default;
};

// The data taken two bytes at a time from data byte 0. An odd last data byte
// has no partner among the data and starts no pair.
std::vector<BytePair> answerPairs(const Bytes& frame);

// A value for one output: a level 0..79 (answer to 81) or a source 1..10, 0
// for none (answer to 82). Values are passed on as received.
struct OutputValue {
    int output = 0; // 1..16
    int value = 0;
    friend bool operator==(const OutputValue&, const OutputValue&) = default;
};

// Pairs of the answers to 81 and 82 whose output is 1..16, in frame order.
std::vector<OutputValue> decodeOutputLevels(const Bytes& frame);
std::vector<OutputValue> decodeOutputSources(const Bytes& frame);

// A slider position of an input box (answer to 83).
struct InputParameterValue {
    InputParameterAddress address;
    int position = 0; // gain: the value; band: 12 - value in dB
    friend bool operator==(const InputParameterValue&, const InputParameterValue&) = default;
};

// Pairs of the answer to 83 whose code names box 1..5 and parameter 1..6.
std::vector<InputParameterValue> decodeInputParameters(const Bytes& frame);

// Master volume slider position (80 - dB) from data byte 0 of the answer
// to 80; empty without data.
std::optional<int> decodeMasterVolume(const Bytes& frame);

enum class PowerState { Off, On, Unknown };

// Data byte 0 of the answer to 171: 0x00 off, 0xFF on, anything else (or no
// data) unknown, which the panel takes as "not on".
PowerState decodePowerState(const Bytes& frame);

// Data bytes 0 and 1 of the answer to 173; empty with fewer than two.
std::optional<RadioFrequency> decodeTunedFrequency(const Bytes& frame);

} // namespace orfa::link
