#pragma once

#include "spinel/SpinelCore.h"

#include <QMetaType>

#include <cstdint>

namespace orfa::link {

using spinel::Bytes;

// One command ready for the send queue: the framed bytes, the queue key (the
// instruction code), whether it may replace queued frames of the same key, and
// what else must match for that. Level commands (65) carry the set of outputs
// they address and input-parameter commands (67) their parameter code, so that
// a change of one output or parameter never overwrites another's; every other
// command has an empty merge key and coalesces by instruction code alone.
struct Command {
    Bytes frame;
    std::uint8_t instruction = 0;
    bool replaceOlder = false;
    Bytes mergeKey;
};

// What became of a command handed to the send queue.
enum class SendResult {
    Queued,   // it took a new slot
    Replaced, // it took the place of the queued commands of its kind
    Refused,  // it was not queued: the queue is full or the error latch is set
};

} // namespace orfa::link

Q_DECLARE_METATYPE(orfa::link::Command)
