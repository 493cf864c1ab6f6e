#pragma once

#include <cstdint>
#include <optional>

namespace orfa::link {

// Byte encodings of the amplifier's values and the slider positions of the
// panel that stand for them. Encoders clamp out-of-range input to the nearest
// encodable value; decoders return the raw result, which a slider clamps to
// its own range.

// Slider ranges (positions run from 0 at the top).
inline constexpr int kMasterVolumeMaxPosition = 159; // 0 = +80 dB, 80 = 0 dB, 159 = -79 dB
inline constexpr int kOutputLevelMax = 79;           // 79 is also the muted position
inline constexpr int kGainMaxPosition = 15;
inline constexpr int kBandMaxPosition = 24; // 0 = +12 dB, 12 = 0 dB, 24 = -12 dB
// The positions of 0 dB: a position p means zero - p dB.
inline constexpr int kMasterVolumeZeroPosition = 80;
inline constexpr int kBandZeroPosition = 12;

// Sign-magnitude byte: bit 7 is the sign, bits 0-6 the magnitude. Values
// beyond +-127 are clamped.
std::uint8_t encodeSignMagnitude(int value);
int decodeSignMagnitude(std::uint8_t byte);

// Master volume: position p means 80 - p dB, sent sign-magnitude.
int masterVolumeDb(int position);
std::uint8_t masterVolumeByte(int position);
// Position of a received master volume byte (80 - dB); may lie outside 0..159.
int masterVolumePosition(std::uint8_t byte);

// Equaliser band: position p means 12 - p dB, sent sign-magnitude.
std::uint8_t bandByte(int position);
int bandPosition(std::uint8_t byte);

// Input gain: the position as a plain byte; received bytes are read
// sign-magnitude, so a byte with bit 7 set gives a negative position.
std::uint8_t gainByte(int position);
int gainPosition(std::uint8_t byte);

// Where an input parameter code points: box 1..5 and parameter 1 (gain) to
// 6 (band 10 kHz). The slider index inside the box is parameter - 1.
struct InputParameterAddress {
    int box = 0;
    int parameter = 0;
    friend bool operator==(const InputParameterAddress&, const InputParameterAddress&) = default;
};

inline constexpr int kGainParameter = 1;

// Code of box 1..5, parameter 1..6: high nibble 2k - 1, low nibble the
// parameter. Empty for a box or parameter outside those ranges.
std::optional<std::uint8_t> inputParameterCode(int box, int parameter);

// The code of the i-th parameter (0..29) in the order of request 83: box 1
// parameters 1..6, then box 2, ... Empty for i outside 0..29.
std::optional<std::uint8_t> inputParameterCodeAt(int index);

// Reads a code the way the amplifier's answers are read: high nibble 0
// counts as box 1, otherwise box (h + 1) / 2. Empty when the box is not 1..5
// or the parameter not 1..6.
std::optional<InputParameterAddress> decodeInputParameterCode(std::uint8_t code);

// Value byte of a parameter at a slider position: gain plain, bands sign-magnitude.
std::uint8_t inputParameterByte(int parameter, int position);
// Slider position of a received value byte for that parameter.
int inputParameterPosition(int parameter, std::uint8_t byte);

} // namespace orfa::link
