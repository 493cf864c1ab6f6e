#pragma once

#include "spinel/FrameReader.h"
#include "spinel/Spinel97.h"

#include <cstddef>

namespace orfa::link {

using spinel::Bytes;

// The receive buffer of the amplifier link: the codec's frame reader bounded
// by the longest answer the link expects. The amplifier answers in format 97;
// whatever else arrives is skipped as the reader skips it.
class ReceiveBuffer : public spinel::FrameReader {
public:
    // The longest answer the link expects: the answer to request 83, its 30
    // parameter codes each paired with a value.
    static constexpr std::size_t kLongestAnswer = spinel::kFrame97Overhead + std::size_t{2} * 30;
    // A partial frame waits for the rest as long as the pending bytes stay
    // within this: the longest answer plus room for one more behind it.
    static constexpr std::size_t kPendingBound = 2 * kLongestAnswer;

    ReceiveBuffer()
        : FrameReader(kPendingBound) {}
};

} // namespace orfa::link
