#include "users/GroupFileStore.h"

#include "config/FileRecords.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "users/NewFileRecordId.h"

#include <algorithm>

namespace orfa::users {

namespace keys = config::keys;

GroupFileStore::GroupFileStore(config::SettingsFile& file)
    : file_(file) {}

int GroupFileStore::newGroupId() {
    return newFileRecordId(file_, keys::maxGroupId(), keys::kHighestGroupId);
}

std::vector<int> GroupFileStore::members(int id) {
    std::vector<int> outputs = config::readGroupMembers(file_, id);
    std::erase_if(outputs, [](int output) { return output < 1 || output > 16; });
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
