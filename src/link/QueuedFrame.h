#pragma once

#include "spinel/SpinelCore.h"

#include <QtGlobal>

#include <cstdint>

namespace orfa::link {

using spinel::Bytes;

// One slot of the send queue.
struct QueuedFrame {
    Bytes frame;                  // the complete frame to send
    qint64 filledAtMs = 0;        // monotonic ms when the slot was filled or last overwritten
    std::uint8_t instruction = 0; // coalescing key: the frame's instruction code
    std::uint8_t sendCount = 0;   // how many times the frame has been sent
    Bytes mergeKey;               // what else must match for coalescing (see Command)
};

} // namespace orfa::link
