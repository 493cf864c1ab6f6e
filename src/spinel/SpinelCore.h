#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orfa::spinel {

// A byte string: any byte values, 0 included, with a known length.
using Bytes = std::vector<std::uint8_t>;
// Bytes looked at in place: a buffer's front, a frame inside a buffer.
using ByteView = std::span<const std::uint8_t>;

inline constexpr std::uint8_t kPrefix = 0x2A; // '*'
inline constexpr std::uint8_t kCarriageReturn = 0x0D;
inline constexpr std::uint8_t kFormat97 = 0x61; // 'a'
inline constexpr std::uint8_t kFormat65 = 0x41; // 'A'

// Received format-97 frames are not checked against their checksum: it is not
// known whether every amplifier firmware sends a valid one. This is the one
// switch that turns the check on; every function that cuts received frames
// takes it as its default.
inline constexpr bool kVerifyReceivedChecksum = false;

// 0xFF minus the 8-bit sum of all bytes (the complement of the byte sum).
std::uint8_t checksum(ByteView bytes);

} // namespace orfa::spinel
