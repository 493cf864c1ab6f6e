#include "config/FileRecords.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

#include <algorithm>

namespace orfa::config {
namespace {

constexpr int kMemberLimit = 64;

} // namespace

int lastUserId(const SettingsFile& file) {
    return std::min(file.readInteger(keys::maxUserId(), 0), keys::kHighestUserId);
}

int lastGroupId(const SettingsFile& file) {
    return std::min(file.readInteger(keys::maxGroupId(), 0), keys::kHighestGroupId);
}

std::vector<int> readGroupMembers(const SettingsFile& file, int group) {
    std::vector<int> members;
    const int count = std::min(file.readInteger(keys::groupCount(group), 0), kMemberLimit);
    for (int m = 1; m <= count; ++m)
        members.push_back(file.readInteger(keys::groupMember(group, m), 0));
    return members;
}

} // namespace orfa::config
