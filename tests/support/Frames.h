#pragma once

#include "spinel/Spinel97.h"

#include <QByteArray>

#include <cstdint>
#include <initializer_list>

// Frames as the amplifier and the panel exchange them, built the way the
// tests write them down.
namespace orfa::test {

// A format-97 frame to or from the amplifier (address 1).
spinel::Bytes frame(std::uint8_t signature, std::uint8_t instruction,
                    const spinel::Bytes& data = {});
// The amplifier's answer: acknowledge code 0 and the data.
spinel::Bytes answer(std::uint8_t signature, const spinel::Bytes& data);
// The answer as a socket carries it.
QByteArray rawAnswer(std::uint8_t signature, const spinel::Bytes& data);
// Bytes written as numbers: bytes({0x02, 0x61, 1}).
spinel::Bytes bytes(std::initializer_list<int> values);
// The same bytes as a QByteArray, as a socket carries them.
QByteArray raw(const spinel::Bytes& bytes);

} // namespace orfa::test
