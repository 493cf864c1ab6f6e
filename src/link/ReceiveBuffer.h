#pragma once

#include "spinel/Spinel97.h"

#include <cstddef>
#include <cstdint>

namespace orfa::link {

using spinel::Bytes;

// The receive buffer of the amplifier link and its framing, without the
// socket. Bytes are appended as they arrive; takeFrame() cuts the complete
// format-97 frames out one by one, each removing exactly its own bytes.
//
// Whatever arrives, the buffer never throws and stays bounded: junk before a
// '*' is skipped, a complete frame that fails the codec's checks loses its '*'
// and the buffer resynchronises on the next one, a frame whose length field
// can never fit is dropped at once, and after takeFrame() found nothing the
// pending bytes never exceed kPendingBound.
//
// Format-65 frames ("*A" ... CR) are cut like the codec does but never
// returned: the amplifier answers in format 97, and a format-65 frame carries
// its signature and instruction in other places, as text. A "*A" whose bytes
// are not the hexadecimal digits of that format is junk like any other.
class ReceiveBuffer {
public:
    // The longest answer the link expects: the answer to request 83, its 30
    // parameter codes each paired with a value.
    static constexpr std::size_t kLongestAnswer = spinel::kFrame97Overhead + std::size_t{2} * 30;
    // A partial frame waits for the rest as long as the pending bytes stay
    // within this: the longest answer plus room for one more behind it.
    static constexpr std::size_t kPendingBound = 2 * kLongestAnswer;

    void append(const std::uint8_t* bytes, std::size_t count);
    void append(const Bytes& bytes) { append(bytes.data(), bytes.size()); }

    // The next complete and well-formed format-97 frame, removed from the
    // buffer; empty when none has fully arrived (a partial frame stays).
    Bytes takeFrame();

    // Bytes received and not yet consumed.
    std::size_t size() const { return data_.size() - begin_; }
    Bytes PrijataData() const;
    void clear();

    // Frames discarded so far (failed checks, impossible lengths, format 65),
    // for the log and for tests.
    std::size_t discardedFrames() const { return discarded_; }

private:
    // What the bytes at the front of the buffer, starting with '*', are.
    enum class Scan {
        Frame,   // a complete format-97 frame that passes the checks
        Foreign, // a complete format-65 frame, cut and not returned
        Wait,    // the start of a frame that may still complete
        Bad,     // a frame that failed its checks or can never fit
        Junk,    // a '*' that starts no frame
    };

    std::uint8_t at(std::size_t offset) const { return data_[begin_ + offset]; }
    void consume(std::size_t count);
    void skipToPrefix();
    Scan scan97(Bytes& frame) const;
    Scan scan65(std::size_t& length) const;

    Bytes data_;
    std::size_t begin_ = 0; // consumed bytes at the front, compacted on append
    std::size_t discarded_ = 0;
};

} // namespace orfa::link
