#include "link/ReceiveBuffer.h"

#include <algorithm>
#include <iterator>

namespace orfa::link {

using namespace spinel;

namespace {

bool isHexDigit(std::uint8_t b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'F');
}

} // namespace

void ReceiveBuffer::append(const std::uint8_t* bytes, std::size_t count) {
    if (count == 0)
        return;
    if (begin_ > 0) {
        data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(begin_));
        begin_ = 0;
    }
    data_.insert(data_.end(), bytes, bytes + count);
}

Bytes ReceiveBuffer::takeFrame() {
    for (;;) {
        skipToPrefix();
        Bytes frame;
        std::size_t foreignLength = 0;
        Scan scan = Scan::Wait;
        if (size() >= 2) {
            if (at(1) == kFormat97)
                scan = scan97(frame);
            else if (at(1) == kFormat65)
                scan = scan65(foreignLength);
            else
                scan = Scan::Junk;
        }
        switch (scan) {
        case Scan::Frame:
            consume(frame.size());
            return frame;
        case Scan::Foreign:
            consume(foreignLength);
            ++discarded_;
            break;
        case Scan::Bad:
            ++discarded_;
            consume(1); // resynchronise on the next '*'
            break;
        case Scan::Junk:
            consume(1);
            break;
        case Scan::Wait:
            // Only a format-65 partial can outgrow the bound: every format-97
            // partial announces a length within it.
            if (size() > kPendingBound)
                clear();
            return {};
        }
    }
}

Bytes ReceiveBuffer::PrijataData() const {
    return Bytes(data_.begin() + static_cast<std::ptrdiff_t>(begin_), data_.end());
}

void ReceiveBuffer::clear() {
    data_.clear();
    begin_ = 0;
}

void ReceiveBuffer::consume(std::size_t count) {
    begin_ += count;
    if (begin_ >= data_.size())
        clear();
}

void ReceiveBuffer::skipToPrefix() {
    const auto first =
        std::find(data_.begin() + static_cast<std::ptrdiff_t>(begin_), data_.end(), kPrefix);
    if (first == data_.end())
        clear();
    else
        begin_ = static_cast<std::size_t>(std::distance(data_.begin(), first));
}

ReceiveBuffer::Scan ReceiveBuffer::scan97(Bytes& frame) const {
    if (size() < 4)
        return Scan::Wait;
    const auto start = data_.begin() + static_cast<std::ptrdiff_t>(begin_);
    const std::size_t length = Spinel97AnnouncedLength(Bytes(start, start + 4));
    if (length < kFrame97Overhead || length > kPendingBound)
        return Scan::Bad;
    if (size() < length)
        return Scan::Wait;
    frame.assign(start, start + static_cast<std::ptrdiff_t>(length));
    if (Spinel97Check(frame) != kCheckOk)
        return Scan::Bad;
    if (kVerifyReceivedChecksum && !Spinel97ChecksumValid(frame))
        return Scan::Bad;
    return Scan::Frame;
}

// "*A", the address as two digits, the signature byte itself, then the
// instruction and the data as pairs of digits, CR: 2n + 8 bytes.
ReceiveBuffer::Scan ReceiveBuffer::scan65(std::size_t& length) const {
    static constexpr std::size_t kSignatureOffset = 4;
    static constexpr std::size_t kFirstCarriageReturn = 7;
    for (std::size_t i = 2; i < size(); ++i) {
        if (i == kSignatureOffset)
            continue;
        const std::uint8_t b = at(i);
        if (b == kCarriageReturn && i >= kFirstCarriageReturn && i % 2 == 1) {
            length = i + 1;
            return Scan::Foreign;
        }
        if (!isHexDigit(b))
            return Scan::Bad;
    }
    return Scan::Wait;
}

} // namespace orfa::link
