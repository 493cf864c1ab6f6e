#include "spinel/FrameScan.h"

#include "spinel/Spinel65.h"
#include "spinel/Spinel97.h"

namespace orfa::spinel {
namespace {

bool isHexDigit(std::uint8_t b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'F');
}

FrameScan scan97(ByteView bytes, const ScanLimits& limits) {
    const std::size_t length = announcedLength(bytes);
    if (length == 0)
        return {FrameKind::Incomplete};
    if (length < kFrame97Overhead || length > limits.maxLength)
        return {FrameKind::Invalid};
    if (bytes.size() < length)
        return {FrameKind::Incomplete};
    const ByteView frame = bytes.first(length);
    if (checkFrame97(frame) != kCheckOk || (limits.verifyChecksum && !hasValidChecksum(frame)))
        return {FrameKind::Invalid};
    return {FrameKind::Format97, length};
}

// "*A", two digits, the signature, then pairs of digits and CR: 2n + 8 bytes,
// so the CR stands at an odd offset of 7 or more.
FrameScan scan65(ByteView bytes, const ScanLimits& limits) {
    static constexpr std::size_t kFirstCarriageReturn = 7;
    for (std::size_t i = 2; i < bytes.size(); ++i) {
        if (i >= limits.maxLength)
            return {FrameKind::Invalid};
        if (i == kFrame65SignatureOffset)
            continue;
        const std::uint8_t b = bytes[i];
        if (b == kCarriageReturn && i >= kFirstCarriageReturn && i % 2 == 1)
            return {FrameKind::Format65, i + 1};
        if (!isHexDigit(b))
            return {FrameKind::Invalid};
    }
    return {FrameKind::Incomplete};
}

} // namespace

FrameScan scanFrame(ByteView bytes, const ScanLimits& limits) {
    if (bytes.empty())
        return {FrameKind::Incomplete};
    if (bytes[0] != kPrefix)
        return {FrameKind::NotAFrame};
    if (bytes.size() < 2)
        return {FrameKind::Incomplete};
    if (bytes[1] == kFormat97)
        return scan97(bytes, limits);
    if (bytes[1] == kFormat65)
        return scan65(bytes, limits);
    return {FrameKind::NotAFrame};
}

} // namespace orfa::spinel
