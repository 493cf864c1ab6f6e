#include "link/SendQueue.h"

#include "spinel/Spinel97.h"

#include <algorithm>

namespace orfa::link {

bool SendQueue::enqueue(const Bytes& paket, std::uint8_t instruction, bool replaceOlder,
                        const Bytes& mergeKey, qint64 now) {
    bool overwritten = false;
    if (replaceOlder) {
        for (QueuedFrame& slot : slots_) {
            if (slot.instruction != instruction || slot.mergeKey != mergeKey)
                continue;
            slot.frame = paket;
            slot.filledAtMs = now;
            slot.sendCount = 0;
            overwritten = true;
        }
    }
    if (overwritten || slots_.size() >= kSlots)
        return false;
    slots_.push_back(QueuedFrame{paket, now, instruction, 0, mergeKey});
    return true;
}

SendQueue::TickResult SendQueue::tick(qint64 now, qint64 delay) {
    if (slots_.empty())
        return {};
    QueuedFrame& head = slots_.front();
    if (now <= head.filledAtMs + delay)
        return {};
    if (head.sendCount >= kSends) {
        TickResult dropped{TickAction::Drop, std::move(head.frame)};
        slots_.erase(slots_.begin());
        return dropped;
    }
    ++head.sendCount;
    return {TickAction::Send, head.frame};
}

std::vector<Bytes> SendQueue::takeBySignature(std::uint8_t signature) {
    const auto answered = [signature](const QueuedFrame& slot) {
        return slot.frame.size() > spinel::kFrame97SignatureOffset &&
               slot.frame[spinel::kFrame97SignatureOffset] == signature;
    };
    std::vector<Bytes> taken;
    for (const QueuedFrame& slot : slots_) {
        if (answered(slot))
            taken.push_back(slot.frame);
    }
    std::erase_if(slots_, answered);
    return taken;
}

} // namespace orfa::link
