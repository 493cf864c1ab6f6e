#include "spinel/Spinel97.h"

namespace orfa::spinel {

Bytes makeFrame97(std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                  const Bytes& data) {
    const std::size_t num = data.size() + 5;
    Bytes frame;
    frame.reserve(data.size() + kFrame97Overhead);
    frame.push_back(kPrefix);
    frame.push_back(kFormat97);
    frame.push_back(static_cast<std::uint8_t>((num >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(num & 0xFF));
    frame.push_back(address);
    frame.push_back(signature);
    frame.push_back(instruction);
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(checksum(frame));
    frame.push_back(kCarriageReturn);
    return frame;
}

std::size_t announcedLength(ByteView bytes) {
    if (bytes.size() < 4)
        return 0;
    return (static_cast<std::size_t>(bytes[2]) << 8 | bytes[3]) + 4;
}

unsigned checkFrame97(ByteView frame) {
    if (frame.size() < 8)
        return kCheckTooShort;
    if (frame[0] != kPrefix)
        return kCheckNoPrefix;
    if (frame[1] != kFormat97)
        return kCheckWrongFormat;
    if (frame.size() != announcedLength(frame))
        return kCheckLengthMismatch;
    if (frame.back() != kCarriageReturn)
        return kCheckNoCarriageReturn;
    return kCheckOk;
}

bool hasValidChecksum(ByteView frame) {
    if (frame.size() < 2)
        return false;
    return checksum(frame.first(frame.size() - 2)) == frame[frame.size() - 2];
}

} // namespace orfa::spinel
