// The frame codec on arbitrary buffers: cutting, detecting and checking frames
// of both formats, with and without removal and checksum verification, and
// frames built from the input coming back whole from in front of anything.
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

// A cut frame is the front of the buffer as it was before the cut; the buffer
// then lost exactly those bytes (remove) or nothing at all.
void checkCut(const Bytes& before, const Bytes& after, const Bytes& frame, bool remove) {
    require(startsWith(before, frame), "a cut frame is the front of the buffer");
    if (!remove || frame.empty()) {
        require(after == before, "a cut without removal leaves the buffer as it was");
        return;
    }
    require(after.size() == before.size() - frame.size() && endsWith(before, after),
            "a removal takes exactly the frame from the front");
}

// A format-97 frame as Spinel97Extract may cut it from before.
void checkFormat97Cut(const Bytes& before, bool remove) {
    Bytes buffer = before;
    const Bytes frame = Spinel97Extract(buffer, remove);
    checkCut(before, buffer, frame, remove);
    const std::size_t announced = Spinel97AnnouncedLength(before);
    const bool header = before.size() >= 4 && before[0] == kPrefix && before[1] == kFormat97;
    if (frame.empty())
        require(!header || before.size() < announced, "a complete format-97 frame is cut");
    else
        require(header && frame.size() == announced, "a format-97 cut takes the announced length");
}

// A format-65 frame as Spinel65Extract may cut it from before: up to the
// first CR at offset 6 or later.
void checkFormat65Cut(const Bytes& before, bool remove) {
    Bytes buffer = before;
    const Bytes frame = Spinel65Extract(buffer, remove);
    checkCut(before, buffer, frame, remove);
    if (frame.empty())
        return;
    require(before.size() >= 8 && before[0] == kPrefix && before[1] == kFormat65,
            "a format-65 cut starts with \"*A\" in a buffer of 8 bytes or more");
    require(frame.size() >= 7 && frame.back() == kCarriageReturn,
            "a format-65 cut ends with its CR");
    require(std::find(frame.begin() + 6, frame.end() - 1, kCarriageReturn) == frame.end() - 1,
            "a format-65 cut ends at the first CR");
}

// SpinelExtract: resynchronise on the last '*' unless the buffer starts with
// one, then cut a frame of the detected format.
void checkExtract(const Bytes& before, bool verifyChecksum) {
    Bytes synced = before;
    const Bytes peeked = SpinelExtract(synced, false, verifyChecksum);
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

    Bytes removed = before;
    const Bytes frame = SpinelExtract(removed, true, verifyChecksum);
    require(frame == peeked, "removal does not change which frame is cut");
    checkCut(synced, removed, frame, true);

    const char format = SpinelDetectFormat(synced, verifyChecksum);
    require(frame.empty() == (format == 0), "a frame is cut exactly when one is detected");
    if (frame.empty())
        return;
    require(synced.size() > 8, "detection needs more than 8 bytes");
    if (format == 'a') {
        require(Spinel97Check(frame) == kCheckOk, "a cut format-97 frame passes its checks");
        require(!verifyChecksum || Spinel97ChecksumValid(frame),
                "with verification a cut frame has a valid checksum");
    } else {
        require(format == 'A' && Spinel65Check(frame) == kCheckOk,
                "a cut format-65 frame passes its checks");
    }
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

    const Bytes frame97 = SpinelMake('a', address, signature, instruction, payload);
    require(frame97.size() == payload.size() + kFrame97Overhead, "format-97 frame size");
    require(Spinel97Check(frame97) == kCheckOk && Spinel97ChecksumValid(frame97),
            "a built format-97 frame passes its checks");
    require(frame97[kFrame97SignatureOffset] == signature &&
                frame97[kFrame97InstructionOffset] == instruction,
            "a built format-97 frame carries signature and instruction");
    Bytes buffer = frame97;
    buffer.insert(buffer.end(), tail.begin(), tail.end());
    require(SpinelExtract(buffer, true, true) == frame97 && buffer == tail,
            "a format-97 frame comes back whole from in front of any tail");

    const Bytes frame65 = SpinelMake('A', address, signature, instruction, payload);
    require(Spinel65Check(frame65) == kCheckOk, "a built format-65 frame passes its checks");
    buffer = frame65;
    buffer.insert(buffer.end(), tail.begin(), tail.end());
    if (buffer.size() > 8)
        require(SpinelExtract(buffer, true) == frame65 && buffer == tail,
                "a format-65 frame comes back whole from in front of any tail");

    require(SpinelMake('b', address, signature, instruction, payload).empty(),
            "an unknown format letter builds nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes input(data, data + size);

    for (const bool remove : {false, true}) {
        checkFormat97Cut(input, remove);
        checkFormat65Cut(input, remove);
    }
    for (const bool verify : {false, true})
        checkExtract(input, verify);

    require(isCheckCode(Spinel97Check(input)), "format-97 check code");
    const unsigned code65 = Spinel65Check(input);
    require(isCheckCode(code65) && code65 != kCheckLengthMismatch, "format-65 check code");
    if (Spinel97Check(input) == kCheckOk)
        require(input.size() == Spinel97AnnouncedLength(input) && input.back() == kCarriageReturn,
                "a format-97 frame that passes has its announced length and a CR");
    static_cast<void>(Spinel97ChecksumValid(input));

    checkRoundTrip(data, size);
    return 0;
}
