#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace orfa::config {

// Name and settings flag of one source or output.
struct IoEntry {
    QString name;
    bool enabled = false;
};

// A group membership as read: output n moves with group g.
struct GroupMember {
    int output = 0;
    int group = 0;
};

// Names, enable flags and groups of sources, outputs and radio memories, as a
// store holds them. An entry the store has no record of is empty (the central
// database may lack rows; the settings file gives every entry its default).
struct IoNames {
    std::array<std::optional<IoEntry>, 10> sources;   // index i-1 = source i
    std::array<std::optional<IoEntry>, 16> outputs;   // index n-1 = output n
    std::array<std::optional<QString>, 9> radioNames; // index r-1 = memory r
    // In reading order; an output listed twice takes the group read last.
    std::vector<GroupMember> groups;
};

} // namespace orfa::config
