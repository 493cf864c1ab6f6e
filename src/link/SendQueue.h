#pragma once

#include "link/Command.h"
#include "link/QueuedFrame.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orfa::link {

// The amplifier's send queue without the socket: at most 20 commands in
// arrival order, coalescing of repeated commands, the send timer's
// due/send/drop step and removal of answered commands. Time is passed in as
// milliseconds of a monotonic clock, so the queue can be driven by a test as
// well as by a timer.
class SendQueue {
public:
    static constexpr std::uint16_t kSlots = 20;
    // A frame is sent this many times; the next due tick drops it.
    static constexpr std::uint8_t kSends = 5;

    enum class TickAction { None, Send, Drop };
    struct TickResult {
        TickAction action = TickAction::None;
        Command command; // the command sent or dropped
    };

    // Queues a command. With replaceOlder every queued command with the same
    // instruction and the same merge key is replaced by the new one, which
    // restarts its delay and its send count (Replaced). Otherwise, or when
    // nothing matched, the command takes a new slot if one of the 20 is free
    // (Queued) or is discarded (Refused).
    SendResult enqueue(const Command& command, qint64 now);

    // One step of the send timer, to be called only while the amplifier is
    // connected. The head is due once now > filledAtMs + delay; a due head is
    // sent (its send count grows, its filledAtMs stays, so it is due again on
    // the next tick) or, after kSends sends, dropped. Nothing happens when the
    // queue is empty or the head is not due yet.
    TickResult tick(qint64 now, qint64 delay);

    // Removes every queued command whose frame's signature byte (offset 5)
    // equals the given one; the others keep their order. Returns the removed
    // commands, head first.
    std::vector<Command> takeBySignature(std::uint8_t signature);

    // Number of queued commands, 0 to 20.
    std::uint16_t queuedCount() const { return static_cast<std::uint16_t>(slots_.size()); }
    bool isEmpty() const { return slots_.empty(); }
    bool hasRoom() const { return slots_.size() < kSlots; }
    // A command with this instruction code waits in the queue.
    bool hasQueued(std::uint8_t instruction) const;

    // The queued commands, head first.
    const std::vector<QueuedFrame>& slots() const { return slots_; }

    void clear() { slots_.clear(); }

private:
    std::vector<QueuedFrame> slots_;
};

} // namespace orfa::link
