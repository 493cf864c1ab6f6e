#pragma once

#include "config/IoNames.h"
#include "link/Instructions.h"
#include "users/OperatorAccess.h"
#include "users/UserRights.h"

#include <array>

class QWidget;

namespace orfa::panel {

class InputsPage;
class OutputStrip;

// The strips of outputs 1..16, index 0 for output 1; null for a strip not
// built yet (its page has not been shown), which every function here skips.
using OutputStrips = std::array<OutputStrip*, link::kOutputCount>;

// What these allow the controls is one half of their enabled state; the
// other, whether the value a control shows is known, is the bindings' (see
// ControlEnabling.h).

// Disallows every amplifier control: per output the source buttons, the slider
// and the check box; per input box the gain, the bands and their labels; the
// master volume, the frequency label and the memory buttons. Frames and menus
// keep their state.
void disableAllControls(const InputsPage& inputs, const OutputStrips& strips,
                        QWidget& masterVolume);
// The outputs' part of disableAllControls().
void disableOutputStrips(const OutputStrips& strips);

// Puts names into the captions and the accessible names, and allows every
// input and output control what the settings flags and the rights allow it.
// Entries without a value leave their controls as they are. The groups are
// not the controls' business (see AmplifierModel::setOutputGroup()).
void applyIoNames(const InputsPage& inputs, const OutputStrips& strips,
                  const config::IoNames& names, const users::UserRights& rights,
                  users::LevelRule levelRule);
// The outputs' part of applyIoNames(): the source captions and the outputs.
void applyOutputNames(const OutputStrips& strips, const config::IoNames& names,
                      const users::UserRights& rights, users::LevelRule levelRule);

} // namespace orfa::panel
