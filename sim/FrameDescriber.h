#pragma once

#include "spinel/SpinelCore.h"

#include <QString>

#include <cstdint>

namespace orfa::sim {

// Readable one-line descriptions of frames for the simulator's log, for
// people watching the wire, e.g.
//   <- sig 0x12 65 set output levels: 3=40 1=40
//   -> sig 0x51 ack 0 to 81 read output levels: 1=20 2=20 ...

// A command as it arrived.
QString describeCommand(const spinel::Bytes& frame);

// An answer to a command with the given instruction code.
QString describeAnswer(const spinel::Bytes& frame, std::uint8_t instruction);

} // namespace orfa::sim
