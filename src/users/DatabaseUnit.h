#pragma once

#include "config/Database.h"
#include "config/DatabaseError.h"

#include <QString>

namespace orfa::users {

// Runs the statements of work, then "commit", as one unit: when any statement fails the
// transaction is rolled back, so the tables keep exactly the rows they had, and the error
// is thrown on.
template <typename Work> void commitAsOneUnit(config::Database& db, Work&& work) {
    try {
        work();
        db.execute(QStringLiteral("commit"));
    } catch (const config::DatabaseError&) {
        db.rollback();
        throw;
    }
}

} // namespace orfa::users
