#include "spinel/Spinel.h"

#include <algorithm>

namespace orfa::spinel {

Bytes SpinelMake(char format, std::uint8_t address, std::uint8_t signature,
                 std::uint8_t instruction, const Bytes& data) {
    switch (format) {
    case 'a':
        return Spinel97Make(address, signature, instruction, data);
    case 'A':
        return Spinel65Make(address, signature, instruction, data);
    default:
        return {};
    }
}

char SpinelDetectFormat(const Bytes& buffer, bool verifyChecksum) {
    if (buffer.size() <= 8)
        return 0;
    Bytes probe = buffer;
    const Bytes frame97 = Spinel97Extract(probe, false);
    if (Spinel97Check(frame97) == kCheckOk && (!verifyChecksum || Spinel97ChecksumValid(frame97)))
        return 'a';
    if (Spinel65Check(Spinel65Extract(probe, false)) == kCheckOk)
        return 'A';
    return 0;
}

Bytes SpinelExtract(Bytes& buffer, bool remove, bool verifyChecksum) {
    if (buffer.empty())
        return {};
    if (buffer[0] != kPrefix) {
        const auto last = std::find(buffer.rbegin(), buffer.rend(), kPrefix);
        if (last == buffer.rend())
            buffer.clear();
        else
            buffer.erase(buffer.begin(), last.base() - 1);
    }
    switch (SpinelDetectFormat(buffer, verifyChecksum)) {
    case 'a':
        return Spinel97Extract(buffer, remove);
    case 'A':
        return Spinel65Extract(buffer, remove);
    default:
        return {};
    }
}

} // namespace orfa::spinel
