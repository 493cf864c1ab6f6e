#pragma once

#include "config/IoNames.h"
#include "users/UserRights.h"

class QWidget;

namespace orfa::panel {

class PanelModel;

// Whether the level slider follows the output's source switching right too
// (names from the settings file) or only its volume right (central database).
enum class LevelRule { FlagMatrixAndVolume, FlagAndVolume };

// Disables every amplifier control: per output the source buttons, the slider
// and the check box; per input box the gain, the bands and their labels; the
// master volume, the frequency label and the memory buttons. Frames and menus
// keep their state.
void ZakazVsechnyOvladaciPrvky(PanelModel& model, QWidget* masterVolume, QWidget* frequencyLabel);

// Puts names into the captions and the accessible names, sets the enabled
// state of every input and output control by the settings flags and the
// rights, and records each output's group. Entries without a value leave their
// controls as they are.
// The groups replace those recorded before: an output in no group gets 0, one
// listed in several groups the group listed last.
void applyIoNames(PanelModel& model, const config::IoNames& names, const users::UserRights& rights,
                  LevelRule levelRule);

} // namespace orfa::panel
