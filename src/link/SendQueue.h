#pragma once

#include "link/QueuedFrame.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orfa::link {

// The amplifier's send queue without the socket: at most 20 frames in arrival
// order, coalescing of repeated commands, the send timer's due/send/drop step
// and removal of answered frames. Time is passed in as milliseconds of a
// monotonic clock, so the queue can be driven by a test as well as by a timer.
class SendQueue {
public:
    static constexpr std::uint16_t kSlots = 20;
    // A frame is sent this many times; the next due tick drops it.
    static constexpr std::uint8_t kSends = 5;

    enum class TickAction { None, Send, Drop };
    struct TickResult {
        TickAction action = TickAction::None;
        Bytes paket; // the frame sent or dropped
    };

    // Queues a frame under the key instruction. With replaceOlder every queued
    // frame with the same key and the same merge key is replaced by the new
    // one, which restarts its delay and its send count. Otherwise, or when
    // nothing matched, the frame takes a new slot if one of the 20 is free.
    // True exactly when a new slot was taken; false when the frame replaced
    // queued ones or was discarded because the queue is full.
    bool enqueue(const Bytes& paket, std::uint8_t instruction, bool replaceOlder,
                 const Bytes& mergeKey, qint64 now);

    // One step of the send timer, to be called only while the amplifier is
    // connected. The head is due once now > Ticks + delay; a due head is sent
    // (its send count grows, its Ticks stay, so it is due again on the next
    // tick) or, after kSends sends, dropped. Nothing happens when the queue
    // is empty or the head is not due yet.
    TickResult tick(qint64 now, qint64 delay);

    // Removes every queued frame whose signature byte (offset 5) equals the
    // given one; the others keep their order. Returns the removed frames, head
    // first.
    std::vector<Bytes> takeBySignature(std::uint8_t signature);

    // Number of queued frames, 0 to 20.
    std::uint16_t queuedCount() const { return static_cast<std::uint16_t>(slots_.size()); }
    bool isEmpty() const { return slots_.empty(); }

    // The queued frames, head first.
    const std::vector<QueuedFrame>& slots() const { return slots_; }

    void clear() { slots_.clear(); }

private:
    std::vector<QueuedFrame> slots_;
};

} // namespace orfa::link
