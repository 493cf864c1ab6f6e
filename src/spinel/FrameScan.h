#pragma once

#include "spinel/SpinelCore.h"

#include <cstddef>
#include <limits>

namespace orfa::spinel {

// What the bytes at the front of a buffer are. This is the one place that
// decides where a frame ends and whether it is one; the codec's extractFrame
// and the stream reader (FrameReader) both cut by it.
enum class FrameKind {
    Format97,   // a complete format-97 frame that passes its checks
    Format65,   // a complete format-65 frame
    Incomplete, // nothing yet, or the start of a frame that may still complete
    Invalid,    // a '*' and a format letter whose frame failed or can never fit
    NotAFrame,  // no '*', or a '*' followed by no format letter
};

struct FrameScan {
    FrameKind kind = FrameKind::Incomplete;
    std::size_t length = 0; // of the frame, for Format97 and Format65
};

struct ScanLimits {
    // A frame longer than this is Invalid as soon as that is known.
    std::size_t maxLength = std::numeric_limits<std::size_t>::max();
    bool verifyChecksum = kVerifyReceivedChecksum;
};

// Format 97: "*a", a length field announcing at least a frame of 9 bytes (one
// instruction byte) and at most maxLength, the codec's checks passed, and with
// verifyChecksum a valid checksum. Format 65: "*A", the address as two hex
// digits, the signature byte itself, then pairs of upper-case hex digits up to
// the CR, at most maxLength bytes. A verdict other than Incomplete holds
// whatever bytes follow.
FrameScan scanFrame(ByteView bytes, const ScanLimits& limits = {});

} // namespace orfa::spinel
