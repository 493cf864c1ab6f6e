#pragma once

// The server's own account of one connection's transactions, from its monitoring tables.
// Header only, so that the tests of every area can use it.

#include "config/Database.h"

#include <QString>
#include <QVariant>

namespace orfa::test {

// Asks over a second connection, the observer, so that the asking never counts: the
// observer's transactions belong to its own attachment. Both connections log in as the
// same user, who sees the monitoring rows of their own attachments. Each question is a
// read with a transaction of its own, so it sees the server as it is at that moment (the
// monitoring tables keep one picture per transaction; the observer must not be amid a
// save).
class TransactionWatch {
public:
    // Both must be connected and outlive the watch. The watched connection tells its
    // attachment once, with a read of its own.
    TransactionWatch(config::Database& observer, config::Database& watched)
        : observer_(observer) {
        watched.execute(QStringLiteral("SELECT CURRENT_CONNECTION AS ID FROM RDB$DATABASE"));
        attachment_ = watched.rows().first().integer(QStringLiteral("ID"));
    }

    // Transactions of the watched connection that are open now. Whatever their
    // MON$STATE: it is 1 only while a statement runs, and a transaction left open between
    // statements is idle (0), yet holds back garbage collection all the same.
    int openTransactions() {
        observer_.execute(QStringLiteral("SELECT COUNT(*) AS N FROM MON$TRANSACTIONS "
                                         "WHERE MON$ATTACHMENT_ID = ?"),
                          {QVariant(attachment_)});
        return observer_.rows().first().integer(QStringLiteral("N"));
    }

    // A transaction that the server started just now (the observer's own).
    int latestTransaction() { return integerOfDatabase(QStringLiteral("CURRENT_TRANSACTION")); }

    // The server's oldest active transaction: once every transaction older than a mark
    // has ended, it lies beyond that mark.
    int oldestActive() {
        return integerOfDatabase(QStringLiteral("(SELECT MON$OLDEST_ACTIVE FROM MON$DATABASE)"));
    }

private:
    int integerOfDatabase(const QString& expression) {
        observer_.execute(QStringLiteral("SELECT %1 AS N FROM RDB$DATABASE").arg(expression));
        return observer_.rows().first().integer(QStringLiteral("N"));
    }

    config::Database& observer_;
    int attachment_ = 0;
};

} // namespace orfa::test
