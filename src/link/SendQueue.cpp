#include "link/SendQueue.h"

#include "spinel/Spinel97.h"

#include <algorithm>

namespace orfa::link {

bool SendQueue::AddSendPaket(const Bytes& paket, std::uint8_t prikaz, bool prepsatStarsi,
                             const Bytes& mergeKey, qint64 now) {
    bool overwritten = false;
    if (prepsatStarsi) {
        for (TSendPaket& slot : slots_) {
            if (slot.Prikaz != prikaz || slot.mergeKey != mergeKey)
                continue;
            slot.Paket = paket;
            slot.Ticks = now;
            slot.PocetOpakovani = 0;
            overwritten = true;
        }
    }
    if (overwritten || slots_.size() >= kSlots)
        return false;
    slots_.push_back(TSendPaket{paket, now, prikaz, 0, mergeKey});
    return true;
}

SendQueue::TickResult SendQueue::tick(qint64 now, qint64 delay) {
    if (slots_.empty())
        return {};
    TSendPaket& head = slots_.front();
    if (now <= head.Ticks + delay)
        return {};
    if (head.PocetOpakovani >= kSends) {
        TickResult dropped{TickAction::Drop, std::move(head.Paket)};
        slots_.erase(slots_.begin());
        return dropped;
    }
    ++head.PocetOpakovani;
    return {TickAction::Send, head.Paket};
}

std::vector<Bytes> SendQueue::takeBySignature(std::uint8_t signature) {
    const auto answered = [signature](const TSendPaket& slot) {
        return slot.Paket.size() > spinel::kFrame97SignatureOffset &&
               slot.Paket[spinel::kFrame97SignatureOffset] == signature;
    };
    std::vector<Bytes> taken;
    for (const TSendPaket& slot : slots_) {
        if (answered(slot))
            taken.push_back(slot.Paket);
    }
    std::erase_if(slots_, answered);
    return taken;
}

} // namespace orfa::link
