#include "spinel/FrameReader.h"

#include "spinel/FrameScan.h"

#include <algorithm>
#include <iterator>

namespace orfa::spinel {

void FrameReader::append(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0)
        return;
    if (begin_ > 0) {
        data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(begin_));
        begin_ = 0;
    }
    data_.insert(data_.end(), bytes, bytes + count);
}

Bytes FrameReader::takeFrame() {
    for (;;) {
        skipToPrefix();
        const FrameScan scan = scanFrame(pending(), ScanLimits{.maxLength = longestFrame_});
        switch (scan.kind) {
        case FrameKind::Format97: {
            const ByteView frame = pending().first(scan.length);
            Bytes taken(frame.begin(), frame.end());
            consume(scan.length);
            return taken;
        }
        case FrameKind::Format65:
            consume(scan.length);
            ++discarded_;
            break;
        case FrameKind::Invalid:
            ++discarded_;
            consume(1); // resynchronise on the next '*'
            break;
        case FrameKind::NotAFrame:
            consume(1);
            break;
        case FrameKind::Incomplete:
            // Within the bound by the scan's own limit; kept as the guarantee.
            if (size() > longestFrame_)
                clear();
            return {};
        }
    }
}

Bytes FrameReader::pendingBytes() const {
    const ByteView bytes = pending();
    return Bytes(bytes.begin(), bytes.end());
}

void FrameReader::clear() {
    data_.clear();
    begin_ = 0;
}

void FrameReader::consume(std::size_t count) {
    begin_ += count;
    if (begin_ >= data_.size())
        clear();
}

void FrameReader::skipToPrefix() {
    const auto first =
        std::find(data_.begin() + static_cast<std::ptrdiff_t>(begin_), data_.end(), kPrefix);
    if (first == data_.end())
        clear();
    else
        begin_ = static_cast<std::size_t>(std::distance(data_.begin(), first));
}

} // namespace orfa::spinel
