#pragma once

#include <array>
#include <cstdint>

namespace orfa::sim {

struct RadioMemory {
    std::uint8_t mhz = 87;
    std::uint8_t hundredths = 50;
    bool stereo = false;
    friend bool operator==(const RadioMemory&, const RadioMemory&) = default;
};

struct ScheduleDay {
    std::uint8_t onHour = 7;
    std::uint8_t onMinute = 0;
    std::uint8_t offHour = 18;
    std::uint8_t offMinute = 0;
    friend bool operator==(const ScheduleDay&, const ScheduleDay&) = default;
};

// What the amplifier remembers for a preset: the mixable state.
struct MixState {
    int masterVolumeDb = -70;               // +80 .. -79
    std::array<std::uint8_t, 16> levels{};  // per output, 0..79
    std::array<std::uint8_t, 16> sources{}; // per output, 0 (none) or 1..10
    std::array<std::uint8_t, 30>
        inputParameters{}; // raw bytes in code order (box 1..5, param 1..6)
    friend bool operator==(const MixState&, const MixState&) = default;
};

// The whole state of the amplifier that the catalogue touches.
struct AmpState {
    bool power = false;
    MixState mix;
    std::uint8_t tunedMhz = 104;
    std::uint8_t tunedHundredths = 50;
    std::array<RadioMemory, 9> memories{};
    bool scheduleOn = false;
    std::array<ScheduleDay, 7> schedule{};
    std::array<MixState, 8> presets{};
    std::array<bool, 8> presetStored{};

    // A switched-on amplifier with varied levels, sources, equaliser
    // settings, memories and a schedule, so that a panel has something to show.
    static AmpState plausible();
    friend bool operator==(const AmpState&, const AmpState&) = default;
};

} // namespace orfa::sim
