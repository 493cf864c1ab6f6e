#pragma once

#include "spinel/SpinelCore.h"

#include <cstddef>

namespace orfa::spinel {

// Where a format-65 frame carries its signature byte as it is; every other
// byte between "*A" and the CR is an upper-case hexadecimal digit.
inline constexpr std::size_t kFrame65SignatureOffset = 4;

// Builds a printable format-65 frame: "*A", address as two hex digits, the
// signature byte itself, instruction and data as two upper-case hex digits
// each, CR. No length field, no checksum.
Bytes makeFrame65(std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                  const Bytes& data);

// Outer form of a format-65 frame; codes as for format 97, without code 4.
unsigned checkFrame65(ByteView frame);

} // namespace orfa::spinel
