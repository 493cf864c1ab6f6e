#pragma once

#include "link/Instructions.h"
#include "link/ValueCodec.h"

#include <algorithm>
#include <array>

namespace orfa::model {

// The amplifier's own units, and the one place where they meet the slider
// positions of a panel (positions run from 0 at the top of a slider).
//
// Output level 0..79: 0 is the loudest, 79 also means muted. People and home
// automation see the volume instead, 79 - level, so that a higher number is
// louder.
inline constexpr int kLevelLoudest = 0;
inline constexpr int kLevelMuted = link::kOutputLevelMax;
constexpr int volumeOfLevel(int level) {
    return kLevelMuted - std::clamp(level, kLevelLoudest, kLevelMuted);
}
constexpr int levelOfVolume(int volume) {
    return kLevelMuted - std::clamp(volume, 0, kLevelMuted);
}

// Master volume in dB, -79..80.
inline constexpr int kMasterDbLowest =
    link::kMasterVolumeZeroPosition - link::kMasterVolumeMaxPosition;
inline constexpr int kMasterDbHighest = link::kMasterVolumeZeroPosition;
constexpr int masterSliderPosition(int db) {
    return link::kMasterVolumeZeroPosition - std::clamp(db, kMasterDbLowest, kMasterDbHighest);
}
constexpr int masterDbAtSlider(int position) {
    return link::kMasterVolumeZeroPosition - position;
}

// Input gain 0..15, the same as its slider position.
inline constexpr int kGainLowest = 0;
inline constexpr int kGainHighest = link::kGainMaxPosition;

// Equaliser band in dB, -12..12.
inline constexpr int kBandDbLowest = -link::kBandZeroPosition;
inline constexpr int kBandDbHighest = link::kBandZeroPosition;
constexpr int bandSliderPosition(int db) {
    return link::kBandZeroPosition - std::clamp(db, kBandDbLowest, kBandDbHighest);
}
constexpr int bandDbAtSlider(int position) {
    return link::kBandZeroPosition - position;
}

// Input parameter 1 is the gain, 2..6 the bands, lowest first.
constexpr bool isGain(int parameter) {
    return parameter == link::kGainParameter;
}
constexpr int parameterLowest(int parameter) {
    return isGain(parameter) ? kGainLowest : kBandDbLowest;
}
constexpr int parameterHighest(int parameter) {
    return isGain(parameter) ? kGainHighest : kBandDbHighest;
}
// The slider position of a parameter's value, and back.
constexpr int parameterSliderPosition(int parameter, int value) {
    return isGain(parameter) ? std::clamp(value, kGainLowest, kGainHighest)
                             : bandSliderPosition(value);
}
constexpr int parameterAtSlider(int parameter, int position) {
    return isGain(parameter) ? position : bandDbAtSlider(position);
}

// The equaliser's bands, lowest first: band b (1..5) is input parameter b + 1.
inline constexpr int kBandCount = link::kInputParameterCount - 1;
inline constexpr std::array<const char*, kBandCount> kBandNames{"60 Hz", "250 Hz", "1 kHz", "3 kHz",
                                                                "10 kHz"};

} // namespace orfa::model
