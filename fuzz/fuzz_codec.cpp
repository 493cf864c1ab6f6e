// The frame codec on arbitrary buffers: scanning the front of a buffer with
// and without a bound, detecting and cutting frames of both formats with and
// without checksum verification, and frames built from the input coming back
// whole from in front of anything.
#include "FuzzCheck.h"
#include "spinel/Spinel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace orfa::spinel;
using orfa::fuzz::require;

namespace {

bool startsWith(const Bytes& buffer, const Bytes& prefix) {
    return prefix.size() <= buffer.size() &&
           std::equal(prefix.begin(), prefix.end(), buffer.begin());
}

bool endsWith(const Bytes& buffer, const Bytes& suffix) {
    return suffix.size() <= buffer.size() &&
           std::equal(suffix.rbegin(), suffix.rend(), buffer.rbegin());
}

bool isCheckCode(unsigned code) {
    return code == kCheckOk || code == kCheckTooShort || code == kCheckNoPrefix ||
           code == kCheckWrongFormat || code == kCheckLengthMismatch ||
           code == kCheckNoCarriageReturn;
}

bool isHexDigit(std::uint8_t b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'F');
}

bool isFrame(FrameKind kind) {
    return kind == FrameKind::Format97 || kind == FrameKind::Format65;
}

void checkFormat97(const Bytes& buffer, const FrameScan& scan, const ScanLimits& limits) {
    const ByteView frame = ByteView(buffer).first(scan.length);
    require(scan.length == announcedLength(buffer) && scan.length >= kFrame97Overhead,
            "a format-97 frame has its announced length, at least one instruction long");
    require(checkFrame97(frame) == kCheckOk, "a format-97 frame passes its checks");
    require(!limits.verifyChecksum || hasValidChecksum(frame),
            "with verification a format-97 frame has a valid checksum");
}

void checkFormat65(const Bytes& buffer, const FrameScan& scan) {
    const ByteView frame = ByteView(buffer).first(scan.length);
    require(checkFrame65(frame) == kCheckOk, "a format-65 frame passes its checks");
    require(std::find(frame.begin() + 6, frame.end() - 1, kCarriageReturn) == frame.end() - 1,
            "a format-65 frame ends at its first CR");
    for (std::size_t i = 2; i + 1 < frame.size(); ++i)
        require(i == kFrame65SignatureOffset || isHexDigit(frame[i]),
                "a format-65 frame holds hex digits besides its signature");
}

// What scanFrame says about the front of the buffer, and that its verdict
// holds whatever follows (only Incomplete may change).
void checkScan(const Bytes& buffer, const ScanLimits& limits, const Bytes& tail) {
    const FrameScan scan = scanFrame(buffer, limits);
    const bool starred = !buffer.empty() && buffer[0] == kPrefix;
    const bool lettered = buffer.size() >= 2 && (buffer[1] == kFormat97 || buffer[1] == kFormat65);
    require(isFrame(scan.kind) == (scan.length != 0), "a length comes with a frame only");
    require(scan.length <= buffer.size() && scan.length <= limits.maxLength,
            "a frame lies within the buffer and the bound");
    if (scan.kind == FrameKind::NotAFrame)
        require(!starred || (buffer.size() >= 2 && !lettered), "only junk is not a frame");
    if (scan.kind == FrameKind::Invalid || isFrame(scan.kind))
        require(starred && lettered, "a frame or a failed one starts with '*' and a format");
    if (scan.kind == FrameKind::Format97)
        checkFormat97(buffer, scan, limits);
    if (scan.kind == FrameKind::Format65)
        checkFormat65(buffer, scan);

    Bytes longer = buffer;
    longer.insert(longer.end(), tail.begin(), tail.end());
    const FrameScan later = scanFrame(longer, limits);
    require(scan.kind == FrameKind::Incomplete ||
                (later.kind == scan.kind && later.length == scan.length),
            "a verdict holds whatever follows");
}

// peekFrame and extractFrame: resynchronise on the last '*' unless the buffer
// starts with one, then cut a frame of the detected format.
void checkExtract(const Bytes& before, bool verifyChecksum) {
    Bytes synced = before;
    const Bytes peeked = peekFrame(synced, verifyChecksum);
    if (!before.empty() && before[0] == kPrefix) {
        require(synced == before, "a buffer starting with '*' is not resynchronised");
    } else {
        require(endsWith(before, synced), "resynchronising keeps the end of the buffer");
        const bool anyPrefix = std::find(before.begin(), before.end(), kPrefix) != before.end();
        require(synced.empty() != anyPrefix, "only a buffer without '*' is emptied");
        require(synced.empty() || (synced[0] == kPrefix &&
                                   std::count(synced.begin(), synced.end(), kPrefix) == 1),
                "resynchronising starts at the last '*'");
    }
    require(startsWith(synced, peeked), "a peeked frame is the front of the buffer");

    Bytes removed = before;
    const Bytes frame = extractFrame(removed, verifyChecksum);
    require(frame == peeked, "removal does not change which frame is cut");
    require(removed.size() == synced.size() - frame.size() && endsWith(synced, removed),
            "a removal takes exactly the frame from the front");

    const char format = detectFormat(synced, verifyChecksum);
    require(frame.empty() == (format == 0), "a frame is cut exactly when one is detected");
    if (frame.empty())
        return;
    require(synced.size() > 8, "detection needs more than 8 bytes");
    if (format == 'a')
        require(checkFrame97(frame) == kCheckOk && (!verifyChecksum || hasValidChecksum(frame)),
                "a cut format-97 frame passes its checks");
    else
        require(format == 'A' && checkFrame65(frame) == kCheckOk,
                "a cut format-65 frame passes its checks");
}

// Frames built from the input come back whole from in front of any tail.
void checkRoundTrip(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto address = input.ConsumeIntegral<std::uint8_t>();
    const auto signature = input.ConsumeIntegral<std::uint8_t>();
    const auto instruction = input.ConsumeIntegral<std::uint8_t>();
    const Bytes payload =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 512));
    const Bytes tail = input.ConsumeRemainingBytes<std::uint8_t>();

    const Bytes frame97 = makeFrame('a', address, signature, instruction, payload);
    require(frame97.size() == payload.size() + kFrame97Overhead, "format-97 frame size");
    require(checkFrame97(frame97) == kCheckOk && hasValidChecksum(frame97),
            "a built format-97 frame passes its checks");
    require(frame97[kFrame97SignatureOffset] == signature &&
                frame97[kFrame97InstructionOffset] == instruction,
            "a built format-97 frame carries signature and instruction");
    Bytes buffer = frame97;
    buffer.insert(buffer.end(), tail.begin(), tail.end());
    require(extractFrame(buffer, true) == frame97 && buffer == tail,
            "a format-97 frame comes back whole from in front of any tail");

    const Bytes frame65 = makeFrame('A', address, signature, instruction, payload);
    require(checkFrame65(frame65) == kCheckOk, "a built format-65 frame passes its checks");
    buffer = frame65;
    buffer.insert(buffer.end(), tail.begin(), tail.end());
    if (buffer.size() > 8)
        require(extractFrame(buffer) == frame65 && buffer == tail,
                "a format-65 frame comes back whole from in front of any tail");

    require(makeFrame('b', address, signature, instruction, payload).empty(),
            "an unknown format letter builds nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes input(data, data + size);
    // The input's first byte bounds a second scan, as a stream reader bounds it.
    const std::size_t bound = size == 0 ? 0 : data[0];
    for (const bool verify : {false, true}) {
        checkScan(input, ScanLimits{.verifyChecksum = verify}, input);
        checkScan(input, ScanLimits{.maxLength = bound, .verifyChecksum = verify}, input);
        checkExtract(input, verify);
    }

    require(isCheckCode(checkFrame97(input)), "format-97 check code");
    const unsigned code65 = checkFrame65(input);
    require(isCheckCode(code65) && code65 != kCheckLengthMismatch, "format-65 check code");
    if (checkFrame97(input) == kCheckOk)
        require(input.size() == announcedLength(input) && input.back() == kCarriageReturn,
                "a format-97 frame that passes has its announced length and a CR");
    static_cast<void>(hasValidChecksum(input));

    checkRoundTrip(data, size);
    return 0;
}
