#include "spinel/Spinel97.h"

namespace orfa::spinel {

Bytes Spinel97Make(std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
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
    frame.push_back(SpinelChecksum(frame));
    frame.push_back(kCarriageReturn);
    return frame;
}

std::size_t Spinel97AnnouncedLength(const Bytes& buffer) {
    if (buffer.size() < 4)
        return 0;
    return (static_cast<std::size_t>(buffer[2]) << 8 | buffer[3]) + 4;
}

Bytes Spinel97Extract(Bytes& buffer, bool remove) {
    if (buffer.size() < 4 || buffer[0] != kPrefix || buffer[1] != kFormat97)
        return {};
    const std::size_t length = Spinel97AnnouncedLength(buffer);
    if (buffer.size() < length)
        return {};
    const auto end = buffer.begin() + static_cast<std::ptrdiff_t>(length);
    Bytes frame(buffer.begin(), end);
    if (remove)
        buffer.erase(buffer.begin(), end);
    return frame;
}

unsigned Spinel97Check(const Bytes& frame) {
    if (frame.size() < 8)
        return kCheckTooShort;
    if (frame[0] != kPrefix)
        return kCheckNoPrefix;
    if (frame[1] != kFormat97)
        return kCheckWrongFormat;
    if (frame.size() != Spinel97AnnouncedLength(frame))
        return kCheckLengthMismatch;
    if (frame.back() != kCarriageReturn)
        return kCheckNoCarriageReturn;
    return kCheckOk;
}

bool Spinel97ChecksumValid(const Bytes& frame) {
    if (frame.size() < 2)
        return false;
    const Bytes covered(frame.begin(), frame.end() - 2);
    return SpinelChecksum(covered) == frame[frame.size() - 2];
}

} // namespace orfa::spinel
