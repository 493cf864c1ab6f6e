#include "spinel/Spinel65.h"

#include "spinel/Spinel97.h"

namespace orfa::spinel {
namespace {

void appendHex(Bytes& out, std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out.push_back(static_cast<std::uint8_t>(kDigits[value >> 4]));
    out.push_back(static_cast<std::uint8_t>(kDigits[value & 0x0F]));
}

} // namespace

Bytes makeFrame65(std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                  const Bytes& data) {
    Bytes frame{kPrefix, kFormat65};
    frame.reserve(2 * data.size() + 8);
    appendHex(frame, address);
    frame.push_back(signature);
    appendHex(frame, instruction);
    for (std::uint8_t b : data)
        appendHex(frame, b);
    frame.push_back(kCarriageReturn);
    return frame;
}

unsigned checkFrame65(ByteView frame) {
    if (frame.size() < 8)
        return kCheckTooShort;
    if (frame[0] != kPrefix)
        return kCheckNoPrefix;
    if (frame[1] != kFormat65)
        return kCheckWrongFormat;
    if (frame.back() != kCarriageReturn)
        return kCheckNoCarriageReturn;
    return kCheckOk;
}

} // namespace orfa::spinel
