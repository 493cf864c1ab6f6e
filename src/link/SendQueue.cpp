#include "link/SendQueue.h"

#include "spinel/Spinel97.h"

#include <algorithm>

namespace orfa::link {

SendResult SendQueue::enqueue(const Command& command, qint64 now) {
    bool replaced = false;
    if (command.replaceOlder) {
        for (QueuedFrame& slot : slots_) {
            if (slot.command.instruction != command.instruction ||
                slot.command.mergeKey != command.mergeKey)
                continue;
            slot.command = command;
            slot.filledAtMs = now;
            slot.sendCount = 0;
            replaced = true;
        }
    }
    if (replaced)
        return SendResult::Replaced;
    if (!hasRoom())
        return SendResult::Refused;
    slots_.push_back(QueuedFrame{command, now, 0});
    return SendResult::Queued;
}

SendQueue::TickResult SendQueue::tick(qint64 now, qint64 delay) {
    if (slots_.empty())
        return {};
    QueuedFrame& head = slots_.front();
    if (now <= head.filledAtMs + delay)
        return {};
    if (head.sendCount >= kSends) {
        TickResult dropped{TickAction::Drop, std::move(head.command)};
        slots_.erase(slots_.begin());
        return dropped;
    }
    ++head.sendCount;
    return {TickAction::Send, head.command};
}

std::vector<Command> SendQueue::takeBySignature(std::uint8_t signature) {
    const auto answered = [signature](const QueuedFrame& slot) {
        const Bytes& frame = slot.command.frame;
        return frame.size() > spinel::kFrame97SignatureOffset &&
               frame[spinel::kFrame97SignatureOffset] == signature;
    };
    std::vector<Command> taken;
    for (const QueuedFrame& slot : slots_) {
        if (answered(slot))
            taken.push_back(slot.command);
    }
    std::erase_if(slots_, answered);
    return taken;
}

bool SendQueue::hasQueued(std::uint8_t instruction) const {
    return std::any_of(slots_.begin(), slots_.end(), [instruction](const QueuedFrame& slot) {
        return slot.command.instruction == instruction;
    });
}

} // namespace orfa::link
