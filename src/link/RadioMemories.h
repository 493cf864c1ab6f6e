#pragma once

#include "link/FrequencyText.h"
#include "link/Instructions.h"
#include "spinel/SpinelCore.h"

#include <array>
#include <cstddef>
#include <optional>

namespace orfa::link {

using spinel::Bytes;

struct RadioMemory {
    RadioFrequency frequency;
    bool stereo = false;
    friend bool operator==(const RadioMemory&, const RadioMemory&) = default;
};

// Memories 1..9 at indices 0..8.
using RadioMemories = std::array<RadioMemory, kRadioMemoryCount>;

// Four bytes per memory: number, whole MHz, hundredths, flags (bit 0 stereo).
inline constexpr std::size_t kRadioMemoryRecordSize = 4;
inline constexpr std::size_t kRadioMemoriesPayloadSize = kRadioMemoryRecordSize * kRadioMemoryCount;

// The 36 data bytes of command 167 and of the answer to 172: for k = 1..9
// the record k, MHz, hundredths, 1 for stereo or 0.
Bytes radioMemoriesPayload(const RadioMemories& memories);

// Reads the nine records of a payload by position (the memory numbers in it
// are not consulted). Empty when fewer than 36 bytes are given.
std::optional<RadioMemories> radioMemoriesFromPayload(const Bytes& data);

// The answer to request 172: accepted only when all 36 data bytes are there
// and data byte 0 (memory number of the first record) is 1.
std::optional<RadioMemories> decodeRadioMemoriesAnswer(const Bytes& frame);

} // namespace orfa::link
