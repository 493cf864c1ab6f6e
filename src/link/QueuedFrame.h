#pragma once

#include "link/Command.h"

#include <QtGlobal>

#include <cstdint>

namespace orfa::link {

// One slot of the send queue.
struct QueuedFrame {
    Command command;            // what was queued, its frame the one to send
    qint64 filledAtMs = 0;      // monotonic ms when the slot was filled or last overwritten
    std::uint8_t sendCount = 0; // how many times the frame has been sent
};

} // namespace orfa::link
