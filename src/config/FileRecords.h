#pragma once

#include <vector>

namespace orfa::config {

class SettingsFile;

// The numbered user and group records of the settings file, as every reader walks them.

// The highest record ID to look at: "MaxIDUziv" or "MaxIDSkupiny" (0 when missing), held at
// keys::kHighestUserId or keys::kHighestGroupId, so that a damaged counter cannot keep a
// reader busy for minutes.
int lastUserId(const SettingsFile& file);
int lastGroupId(const SettingsFile& file);

// The members of group as stored: "Skup_<group>_IDVstupu<m>" for m from 1 up to
// "Skup_<group>_SkupinaPocet", a missing member as 0; none when the count is missing or
// negative. A damaged count is held at 64 (the group editor stores at most 16 members).
std::vector<int> readGroupMembers(const SettingsFile& file, int group);

} // namespace orfa::config
