// The link's receive buffer fed an arbitrary byte stream in chunks the input
// cuts itself, with the send queue driven alongside as the link drives it:
// frames built from the input are queued, the send timer ticks, and every
// frame the receiver takes removes the queued frames of its signature.
// After each chunk the queue holds at most 20 frames and the pending bytes
// stay within the receive buffer's bound.
#include "FuzzCheck.h"
#include "link/ReceiveBuffer.h"
#include "link/SendQueue.h"
#include "spinel/Spinel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace orfa::link;
using orfa::fuzz::require;
using orfa::spinel::kFrame97Overhead;
using orfa::spinel::kFrame97SignatureOffset;

namespace {

constexpr std::size_t kLongestChunk = 512;

// Every frame taken passes the codec's checks, lies within the bound and is
// bytes of the stream as they arrived, after the previous frame.
void checkFrame(const Bytes& frame, const Bytes& stream, std::size_t& searchFrom) {
    require(orfa::spinel::checkFrame97(frame) == orfa::spinel::kCheckOk,
            "a taken frame passes the format-97 checks");
    require(frame.size() >= kFrame97Overhead && frame.size() <= ReceiveBuffer::kPendingBound,
            "a taken frame fits the receive bound");
    const auto at = std::search(stream.begin() + static_cast<std::ptrdiff_t>(searchFrom),
                                stream.end(), frame.begin(), frame.end());
    require(at != stream.end(), "a taken frame is received bytes, in order");
    searchFrom = static_cast<std::size_t>(at - stream.begin()) + frame.size();
}

// Queues a frame built from the input the way the link queues commands.
void queueCommand(SendQueue& queue, FuzzedDataProvider& input, qint64 now) {
    const auto signature = input.ConsumeIntegral<std::uint8_t>();
    const auto instruction = input.ConsumeIntegral<std::uint8_t>();
    const bool coalesce = input.ConsumeBool();
    const Bytes mergeKey =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 2));
    const Bytes payload =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 8));
    const Command command{orfa::spinel::makeFrame('a', 1, signature, instruction, payload),
                          instruction, coalesce, mergeKey};

    const std::size_t before = queue.queuedCount();
    const SendResult result = queue.enqueue(command, now);
    const bool added = result == SendResult::Queued;
    const std::size_t after = queue.queuedCount();
    require(after == before + (added ? 1 : 0), "a new slot is taken exactly when reported");
    require(!added || queue.slots().back().command.frame == command.frame,
            "a new command joins at the end");
    const bool replaced =
        std::any_of(queue.slots().begin(), queue.slots().end(), [&](const QueuedFrame& slot) {
            return slot.command.frame == command.frame && slot.command.instruction == instruction &&
                   slot.filledAtMs == now && slot.sendCount == 0 &&
                   slot.command.mergeKey == mergeKey;
        });
    require(result != SendResult::Replaced || (coalesce && replaced),
            "only a coalescing command replaces, and it is then queued");
    require(result != SendResult::Refused || before == SendQueue::kSlots,
            "a command is refused only by a full queue");
}

void tickQueue(SendQueue& queue, qint64 now, qint64 delay) {
    const std::size_t before = queue.queuedCount();
    const Bytes head = queue.isEmpty() ? Bytes() : queue.slots().front().command.frame;
    const std::uint8_t sends = queue.isEmpty() ? 0 : queue.slots().front().sendCount;
    const SendQueue::TickResult result = queue.tick(now, delay);
    switch (result.action) {
    case SendQueue::TickAction::None:
        require(queue.queuedCount() == before, "an idle tick keeps the queue");
        break;
    case SendQueue::TickAction::Send:
        require(result.command.frame == head && queue.slots().front().sendCount == sends + 1 &&
                    queue.slots().front().sendCount <= SendQueue::kSends,
                "a tick sends the head and counts the send");
        break;
    case SendQueue::TickAction::Drop:
        require(result.command.frame == head && sends == SendQueue::kSends &&
                    queue.queuedCount() == before - 1,
                "a tick drops the head only after all its sends");
        break;
    }
}

void removeAnswered(SendQueue& queue, const Bytes& frame) {
    const std::uint8_t signature = frame[kFrame97SignatureOffset];
    const std::size_t before = queue.queuedCount();
    const std::size_t removed = queue.takeBySignature(signature).size();
    require(queue.queuedCount() == before - removed, "removal counts what it removed");
    require(std::none_of(queue.slots().begin(), queue.slots().end(),
                         [signature](const QueuedFrame& slot) {
                             return slot.command.frame[kFrame97SignatureOffset] == signature;
                         }),
            "an answer removes every queued frame of its signature");
}

// The receive buffer with what the checks need to know of its past.
struct Receiver {
    ReceiveBuffer buffer;
    Bytes stream; // everything appended so far
    std::size_t searchFrom = 0;
    std::size_t discarded = 0;

    // Appends a chunk and takes every frame, each removing its queued commands.
    void feed(const Bytes& chunk, SendQueue& queue) {
        buffer.append(chunk);
        stream.insert(stream.end(), chunk.begin(), chunk.end());
        require(buffer.size() <= ReceiveBuffer::kPendingBound + chunk.size(),
                "an append adds only the chunk to the bounded rest");

        for (Bytes frame = buffer.takeFrame(); !frame.empty(); frame = buffer.takeFrame()) {
            checkFrame(frame, stream, searchFrom);
            removeAnswered(queue, frame);
        }
        require(buffer.size() <= ReceiveBuffer::kPendingBound,
                "pending bytes stay within the bound after the frames are taken");
        const Bytes pending = buffer.pendingBytes();
        require(pending.size() == buffer.size() &&
                    std::equal(pending.rbegin(), pending.rend(), stream.rbegin()),
                "the pending bytes are the latest received");
        require(buffer.discardedFrames() >= discarded, "the discard count never falls");
        discarded = buffer.discardedFrames();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Receiver receiver;
    SendQueue queue;
    qint64 now = 0;

    while (input.remaining_bytes() > 0) {
        receiver.feed(input.ConsumeBytes<std::uint8_t>(
                          input.ConsumeIntegralInRange(std::size_t{0}, kLongestChunk)),
                      queue);
        if (input.ConsumeBool())
            queueCommand(queue, input, now);
        now += input.ConsumeIntegralInRange<qint64>(0, 1000);
        tickQueue(queue, now, input.ConsumeIntegralInRange<qint64>(0, 1000));
        require(queue.queuedCount() <= SendQueue::kSlots, "at most 20 queued frames");
    }

    // Whatever came before, an emptied buffer takes the next whole frame.
    ReceiveBuffer& buffer = receiver.buffer;
    buffer.clear();
    const Bytes answer = orfa::spinel::makeFrame('a', 1, 0x51, 0, {1, 40, 2, 41});
    buffer.append(answer);
    require(buffer.takeFrame() == answer && buffer.size() == 0,
            "a cleared buffer takes a whole frame");
    return 0;
}
