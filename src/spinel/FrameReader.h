#pragma once

#include "spinel/SpinelCore.h"

#include <cstddef>
#include <cstdint>

namespace orfa::spinel {

// Cuts the format-97 frames out of a byte stream. Bytes are appended as they
// arrive; takeFrame() cuts the complete frames out one by one, each removing
// exactly its own bytes. What a frame is, scanFrame decides.
//
// Whatever arrives, the reader never throws and stays bounded: junk before a
// '*' is skipped, a frame that fails the checks loses its '*' and the reader
// resynchronises on the next one, a frame that can never fit the bound is
// dropped at once, and after takeFrame() found nothing the pending bytes never
// exceed the longest frame.
//
// Format-65 frames ("*A" ... CR) are cut and discarded, never returned: they
// carry their signature and instruction in other places, as text. A "*A" whose
// bytes are not the hexadecimal digits of that format is junk like any other.
class FrameReader {
public:
    explicit FrameReader(std::size_t longestFrame)
        : longestFrame_(longestFrame) {}

    void append(const std::uint8_t* bytes, std::size_t count);
    void append(ByteView bytes) { append(bytes.data(), bytes.size()); }

    // The next complete and well-formed format-97 frame, removed from the
    // stream; empty when none has fully arrived (a partial frame stays).
    Bytes takeFrame();

    // Bytes received and not yet consumed.
    std::size_t size() const { return data_.size() - begin_; }
    Bytes pendingBytes() const;
    void clear();

    std::size_t longestFrame() const { return longestFrame_; }
    // Frames discarded so far (failed checks, impossible lengths, format 65),
    // for the log and for tests.
    std::size_t discardedFrames() const { return discarded_; }

private:
    ByteView pending() const { return ByteView(data_).subspan(begin_); }
    void consume(std::size_t count);
    void skipToPrefix();

    std::size_t longestFrame_;
    Bytes data_;
    std::size_t begin_ = 0; // consumed bytes at the front, compacted on append
    std::size_t discarded_ = 0;
};

} // namespace orfa::spinel
