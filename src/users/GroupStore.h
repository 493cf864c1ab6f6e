#pragma once

#include <vector>

namespace orfa::users {

// Where output groups are kept: the "Skup_..." keys of the settings file (GroupFileStore)
// or table SKUPINY of the central database (GroupDatabaseStore). A group is an ID and its
// member outputs (1 to 16); IDs are never reused.
//
// Failures are thrown: config::SettingsWriteError from the file, config::DatabaseError
// from the database.
class GroupStore {
public:
    virtual ~GroupStore() = default;

    // The ID a new group gets. The database takes it from its generator at once, so it is
    // used up even if the group is never saved; the file only looks at its counter, which
    // save() moves on.
    virtual int newGroupId() = 0;
    // The member outputs of group id in increasing order; numbers outside 1..16 are left
    // out. Empty for an unknown or deleted group.
    virtual std::vector<int> members(int id) = 0;
    // Replaces the members of group id by members (increasing, 1..16). isNew: the group has
    // just been given its ID by newGroupId().
    virtual void save(int id, const std::vector<int>& members, bool isNew) = 0;
    virtual void remove(int id) = 0;

protected:
    GroupStore() = default;
    GroupStore(const GroupStore&) = default;
    GroupStore& operator=(const GroupStore&) = default;
};

} // namespace orfa::users
