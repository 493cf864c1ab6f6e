#include "spinel/Spinel.h"

#include <algorithm>

namespace orfa::spinel {
namespace {

// Shorter buffers never hold a frame for the codec: a format-65 frame without
// data (8 bytes) is found once one more byte has arrived.
constexpr std::size_t kShortestBuffer = 9;

FrameScan scanBuffer(const Bytes& buffer, bool verifyChecksum) {
    if (buffer.size() < kShortestBuffer)
        return {FrameKind::Incomplete};
    return scanFrame(buffer, ScanLimits{.verifyChecksum = verifyChecksum});
}

void resynchronise(Bytes& buffer) {
    if (buffer.empty() || buffer[0] == kPrefix)
        return;
    const auto last = std::find(buffer.rbegin(), buffer.rend(), kPrefix);
    if (last == buffer.rend())
        buffer.clear();
    else
        buffer.erase(buffer.begin(), last.base() - 1);
}

} // namespace

Bytes makeFrame(char format, std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                const Bytes& data) {
    switch (format) {
    case 'a':
        return makeFrame97(address, signature, instruction, data);
    case 'A':
        return makeFrame65(address, signature, instruction, data);
    default:
        return {};
    }
}

char detectFormat(const Bytes& buffer, bool verifyChecksum) {
    switch (scanBuffer(buffer, verifyChecksum).kind) {
    case FrameKind::Format97:
        return 'a';
    case FrameKind::Format65:
        return 'A';
    default:
        return 0;
    }
}

Bytes peekFrame(Bytes& buffer, bool verifyChecksum) {
    resynchronise(buffer);
    const FrameScan scan = scanBuffer(buffer, verifyChecksum);
    if (scan.kind != FrameKind::Format97 && scan.kind != FrameKind::Format65)
        return {};
    return Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(scan.length));
}

Bytes extractFrame(Bytes& buffer, bool verifyChecksum) {
    Bytes frame = peekFrame(buffer, verifyChecksum);
    buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(frame.size()));
    return frame;
}

} // namespace orfa::spinel
