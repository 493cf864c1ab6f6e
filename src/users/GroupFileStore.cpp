#include "users/GroupFileStore.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/NewFileRecordId.h"

#include <algorithm>

namespace orfa::users {

namespace keys = config::keys;

namespace {

// A damaged count must not keep the editor reading keys for minutes; the editor stores at
// most 16 members.
constexpr int kMemberLimit = 64;

} // namespace

GroupFileStore::GroupFileStore(config::SettingsFile& file)
    : file_(file) {}

int GroupFileStore::newGroupId() {
    return newFileRecordId(file_, keys::maxGroupId(), keys::kHighestGroupId);
}

std::vector<int> GroupFileStore::members(int id) {
    std::vector<int> outputs;
    const int count = std::min(file_.readInteger(keys::groupCount(id), 0), kMemberLimit);
    for (int k = 1; k <= count; ++k) {
        const int output = file_.readInteger(keys::groupMember(id, k), 0);
        if (output >= 1 && output <= 16)
            outputs.push_back(output);
    }
    std::sort(outputs.begin(), outputs.end());
    outputs.erase(std::unique(outputs.begin(), outputs.end()), outputs.end());
    return outputs;
}

void GroupFileStore::save(int id, const std::vector<int>& members, bool isNew) {
    int count = 0;
    for (const int output : members)
        file_.writeInteger(keys::groupMember(id, ++count), output);
    file_.writeInteger(keys::groupCount(id), count);
    if (isNew)
        file_.writeInteger(keys::maxGroupId(), id);
}

void GroupFileStore::remove(int id) {
    file_.writeInteger(keys::groupCount(id), -1);
}

} // namespace orfa::users
