#include "users/GroupDatabaseStore.h"

#include "config/Database.h"
#include "users/DatabaseUnit.h"

#include <QVariant>

namespace orfa::users {

GroupDatabaseStore::GroupDatabaseStore(config::Database& db)
    : db_(db) {}

int GroupDatabaseStore::newGroupId() {
    db_.execute(QStringLiteral("select Gen_ID(Skupiny,1) as MaxID from RDB$DATABASE"));
    return db_.rows().first().integer(QStringLiteral("MAXID"));
}

std::vector<int> GroupDatabaseStore::members(int id) {
    std::vector<int> outputs;
    db_.execute(QStringLiteral("Select * from skupiny Where idskupiny=? order by IDVstupu"),
                {QVariant(id)});
    for (const config::ResultRow& row : db_.rows()) {
        const int output = row.integer(QStringLiteral("IDVSTUPU"));
        if (output >= 1 && output <= 16 && (outputs.empty() || outputs.back() != output))
            outputs.push_back(output);
    }
    return outputs;
}

void GroupDatabaseStore::save(int id, const std::vector<int>& members, bool /*isNew*/) {
    commitAsOneUnit(db_, [&] {
        db_.execute(QStringLiteral("Delete From Skupiny where idskupiny=?"), {QVariant(id)});
        for (const int output : members)
            db_.execute(QStringLiteral("INSERT INTO Skupiny VALUES ( ? , ? ) "),
                        {QVariant(id), QVariant(output)});
    });
}

void GroupDatabaseStore::remove(int id) {
    commitAsOneUnit(db_, [&] {
        db_.execute(QStringLiteral("Delete From Skupiny where idskupiny=?"), {QVariant(id)});
    });
}

} // namespace orfa::users
