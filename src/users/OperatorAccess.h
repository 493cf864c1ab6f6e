#pragma once

#include "config/IoNames.h"
#include "users/UserRights.h"

namespace orfa::users {

// Whether an output's level follows its source switching right too (names
// from the settings file) or only its volume right (central database).
enum class LevelRule { FlagMatrixAndVolume, FlagAndVolume };

// What the operator logged in may change on the amplifier: the settings'
// enable flags of outputs and sources combined with the user's rights, the
// same rules by which the panel enables its controls. Numbers count from 1;
// an entry the store holds no record of counts as switched off.
class OperatorAccess {
public:
    OperatorAccess(const config::IoNames& names, const UserRights& rights, LevelRule levelRule);
    // Every output and source in use, every right: a tool acting for the site.
    static OperatorAccess unrestricted();

    // The output's settings flag: whether the site uses it at all.
    bool outputEnabled(int output) const;
    // Switching sources of an output at all.
    bool maySwitchSources(int output) const;
    // Level and mute of an output.
    bool mayChangeLevel(int output) const;
    // Choosing source `source` for an output.
    bool mayChooseSource(int output, int source) const;
    // Gain and equaliser of input box `box` (sources 2 box - 1 and 2 box).
    bool mayConfigureInput(int box) const;
    bool mayChangeMasterVolume() const;
    bool mayUseRadio() const;
    bool mayRecallPresets() const;
    bool mayStorePresets() const;

private:
    bool sourceEnabled(int source) const;

    config::IoNames names_;
    UserRights rights_;
    LevelRule levelRule_;
};

} // namespace orfa::users
