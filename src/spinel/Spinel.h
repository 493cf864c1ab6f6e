#pragma once

#include "spinel/FrameScan.h"
#include "spinel/Spinel65.h"
#include "spinel/Spinel97.h"

namespace orfa::spinel {

// Builds a frame by format letter: 'a' format 97, 'A' format 65, anything
// else an empty byte string.
Bytes makeFrame(char format, std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                const Bytes& data);

// 'a' or 'A' when a complete frame of that format (see scanFrame, without a
// bound on its length) starts the buffer, which must be longer than 8 bytes;
// otherwise 0.
char detectFormat(const Bytes& buffer, bool verifyChecksum = kVerifyReceivedChecksum);

// Resynchronises the buffer and returns the frame that then starts it, or
// nothing. A buffer that does not start with '*' loses everything before its
// last '*' (all of it when there is none); the frame is the one detectFormat
// finds. peekFrame leaves the frame in the buffer, extractFrame removes
// exactly its bytes. A frame that failed its checks stays where it is.
Bytes peekFrame(Bytes& buffer, bool verifyChecksum = kVerifyReceivedChecksum);
Bytes extractFrame(Bytes& buffer, bool verifyChecksum = kVerifyReceivedChecksum);

} // namespace orfa::spinel
