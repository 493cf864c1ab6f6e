#include "link/ValueCodec.h"

#include "link/Instructions.h"

#include <algorithm>
#include <cstdlib>

namespace orfa::link {

namespace {

constexpr std::uint8_t kSignBit = 0x80;
constexpr int kMaxMagnitude = 0x7F;

} // namespace

std::uint8_t encodeSignMagnitude(int value) {
    const auto byte =
        static_cast<std::uint8_t>(std::abs(std::clamp(value, -kMaxMagnitude, kMaxMagnitude)));
    return value < 0 ? static_cast<std::uint8_t>(kSignBit | byte) : byte;
}

int decodeSignMagnitude(std::uint8_t byte) {
    const int magnitude = byte & kMaxMagnitude;
    return (byte & kSignBit) != 0 ? -magnitude : magnitude;
}

int masterVolumeDb(int position) {
    return kMasterVolumeZeroPosition - std::clamp(position, 0, kMasterVolumeMaxPosition);
}

std::uint8_t masterVolumeByte(int position) {
    return encodeSignMagnitude(masterVolumeDb(position));
}

int masterVolumePosition(std::uint8_t byte) {
    return kMasterVolumeZeroPosition - decodeSignMagnitude(byte);
}

std::uint8_t bandByte(int position) {
    return encodeSignMagnitude(kBandZeroPosition - std::clamp(position, 0, kBandMaxPosition));
}

int bandPosition(std::uint8_t byte) {
    return kBandZeroPosition - decodeSignMagnitude(byte);
}

std::uint8_t gainByte(int position) {
    return static_cast<std::uint8_t>(std::clamp(position, 0, kGainMaxPosition));
}

int gainPosition(std::uint8_t byte) {
    return decodeSignMagnitude(byte);
}

std::optional<std::uint8_t> inputParameterCode(int box, int parameter) {
    if (box < 1 || box > kInputBoxCount || parameter < 1 || parameter > kInputParameterCount)
        return std::nullopt;
    return static_cast<std::uint8_t>((2 * box - 1) << 4 | parameter);
}

std::optional<std::uint8_t> inputParameterCodeAt(int index) {
    if (index < 0 || index >= kInputParameterCodeCount)
        return std::nullopt;
    return inputParameterCode(index / kInputParameterCount + 1, index % kInputParameterCount + 1);
}

std::optional<InputParameterAddress> decodeInputParameterCode(std::uint8_t code) {
    const int high = code >> 4;
    const int parameter = code & 0x0F;
    const int box = high == 0 ? 1 : (high + 1) / 2;
    if (box > kInputBoxCount || parameter < 1 || parameter > kInputParameterCount)
        return std::nullopt;
    return InputParameterAddress{box, parameter};
}

std::uint8_t inputParameterByte(int parameter, int position) {
    return parameter == kGainParameter ? gainByte(position) : bandByte(position);
}

int inputParameterPosition(int parameter, std::uint8_t byte) {
    return parameter == kGainParameter ? gainPosition(byte) : bandPosition(byte);
}

} // namespace orfa::link
