#pragma once

#include "spinel/SpinelCore.h"

#include <cstddef>

namespace orfa::spinel {

// Check result codes shared by both formats (the first failing test wins).
enum CheckCode : unsigned {
    kCheckOk = 0,
    kCheckTooShort = 1,       // fewer than 8 bytes
    kCheckNoPrefix = 2,       // byte 0 is not '*'
    kCheckWrongFormat = 3,    // byte 1 is not the format letter
    kCheckLengthMismatch = 4, // length differs from NUM + 4 (format 97 only)
    kCheckNoCarriageReturn = 6,
};

inline constexpr std::size_t kFrame97Overhead = 9; // header, checksum and CR
inline constexpr std::size_t kFrame97DataOffset = 7;
inline constexpr std::size_t kFrame97SignatureOffset = 5;
inline constexpr std::size_t kFrame97InstructionOffset = 6;

// Builds a binary format-97 frame: "*a", NUM (n + 5, big endian), address,
// signature, instruction, data, checksum, CR.
Bytes makeFrame97(std::uint8_t address, std::uint8_t signature, std::uint8_t instruction,
                  const Bytes& data);

// Total length announced by the NUM field of a format-97 frame starting the
// bytes (NUM + 4), or 0 when fewer than 4 bytes are there to read it from.
std::size_t announcedLength(ByteView bytes);

// Outer form of a format-97 frame; see CheckCode.
unsigned checkFrame97(ByteView frame);

// True when the next-to-last byte is the checksum of everything before it.
bool hasValidChecksum(ByteView frame);

} // namespace orfa::spinel
