#pragma once

#include "users/GroupStore.h"

namespace orfa::config {
class SettingsFile;
}

namespace orfa::users {

// Output groups in the settings file, section "Orfa": "Skup_<g>_SkupinaPocet" counts the
// members of group g (-1: deleted), "Skup_<g>_IDVstupu<k>" is its k-th member, and
// "MaxIDSkupiny" the highest ID ever given out.
class GroupFileStore : public GroupStore {
public:
    // file must outlive the store.
    explicit GroupFileStore(config::SettingsFile& file);

    // "MaxIDSkupiny" + 1; nothing is written. Throws config::SettingsWriteError when the
    // counter gives no ID the readers look at (newFileRecordId()).
    int newGroupId() override;
    // Members 1 up to the stored count.
    std::vector<int> members(int id) override;
    // Writes the members as "Skup_<id>_IDVstupu1", ... in the order given, then the count,
    // then for a new group "MaxIDSkupiny" := id. Member keys above the new count stay in
    // the file; every reader stops at the count.
    void save(int id, const std::vector<int>& members, bool isNew) override;
    // Sets the count to -1 and leaves the member keys and "MaxIDSkupiny".
    void remove(int id) override;

private:
    config::SettingsFile& file_;
};

} // namespace orfa::users
