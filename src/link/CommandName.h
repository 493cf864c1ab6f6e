#pragma once

#include "link/Command.h"

#include <QString>

namespace orfa::link {

// What a queued frame asks of the amplifier, for log lines and messages:
// "set output levels", or "instruction 200" for a code the catalogue does
// not know, "a frame" when the frame is too short to tell.
QString commandName(const Bytes& frame);

} // namespace orfa::link
