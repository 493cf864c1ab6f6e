#pragma once

#include "spinel/SpinelCore.h"

namespace orfa::spinel {

// Builds a printable format-65 frame: "*A", address as two hex digits, the
// signature byte itself, instruction and data as two upper-case hex digits
// each, CR. No length field, no checksum.
Bytes Spinel65Make(std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                   const Bytes& data);

// Cuts the format-65 frame at offset 0: from "*A" up to the first CR at
// offset 6 or later. Empty (buffer untouched) when there is none yet.
Bytes Spinel65Extract(Bytes& buffer, bool remove);

// Outer form of a format-65 frame; codes as for format 97, without code 4.
unsigned Spinel65Check(const Bytes& frame);

} // namespace orfa::spinel
