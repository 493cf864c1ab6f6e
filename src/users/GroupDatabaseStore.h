#pragma once

#include "users/GroupStore.h"

namespace orfa::config {
class Database;
}

namespace orfa::users {

// Output groups in table SKUPINY of the central database: one row (IDSKUPINY, IDVSTUPU)
// per member output; a group without rows does not exist. New IDs come from generator
// SKUPINY.
class GroupDatabaseStore : public GroupStore {
public:
    // db must outlive the store.
    explicit GroupDatabaseStore(config::Database& db);

    // The next value of generator SKUPINY ("select Gen_ID(Skupiny,1) as MaxID from
    // RDB$DATABASE"); used up whether or not the group is saved.
    int newGroupId() override;
    std::vector<int> members(int id) override;
    // Deletes the group's rows, inserts one row per member and commits, as one unit: when a
    // statement fails the transaction is rolled back and the group keeps its old members.
    void save(int id, const std::vector<int>& members, bool isNew) override;
    // Deletes the group's rows and commits; rolled back when it fails.
    void remove(int id) override;

private:
    config::Database& db_;
};

} // namespace orfa::users
