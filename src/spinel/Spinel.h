#pragma once

#include "spinel/Spinel65.h"
#include "spinel/Spinel97.h"

namespace orfa::spinel {

// Builds a frame by format letter: 'a' format 97, 'A' format 65, anything
// else an empty byte string.
Bytes SpinelMake(char format, std::uint8_t address, std::uint8_t signature,
                 std::uint8_t instruction, const Bytes& data);

// 'a' or 'A' when a complete frame of that format that passes its checks
// starts the buffer (which must be longer than 8 bytes), otherwise 0.
char SpinelDetectFormat(const Bytes& buffer, bool verifyChecksum = kVerifyReceivedChecksum);

// Resynchronises and cuts one frame: a buffer that does not start with '*'
// loses everything before its last '*' (all of it when there is none); then
// the frame of the detected format is cut, or nothing.
Bytes SpinelExtract(Bytes& buffer, bool remove, bool verifyChecksum = kVerifyReceivedChecksum);

} // namespace orfa::spinel
