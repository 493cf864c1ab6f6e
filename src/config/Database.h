#pragma once

#include "config/DatabaseLogin.h"
#include "config/FbRef.h"
#include "config/ResultRows.h"

#include <QString>
#include <QVariantList>

namespace Firebird {
class IAttachment;
class IMaster;
class IProvider;
class ITransaction;
} // namespace Firebird

namespace orfa::config {

class SettingsFile;

// The data module's connection to the central Firebird database: one connection, one
// transaction, one statement at a time. Every access of the program goes through
// execute(). Calls block until the server answers; they are short.
//
// The connection's parameters are fixed: the user name in capitals, the password in
// small letters, the SQL role "3" and the character set WIN1250. Transactions read the
// latest committed version of a row and fail at once on a lock held by another
// connection (read_committed, rec_version, nowait).
//
// Reads never leave a transaction open: the panels of a site share the database, and a
// transaction that a panel keeps open holds back the server's garbage collection for all
// of them. A SELECT that runs while no transaction is open has a read-only transaction
// of its own, committed as soon as its rows are fetched. Any other statement that runs
// while none is open starts the read-write transaction, which lasts until a "commit"
// statement, rollback() or close(): the statements of a save are one unit, and a
// SELECT among them is part of it and sees its rows. (A SELECT ... WITH LOCK therefore
// belongs after a statement that writes: alone, its read-only transaction cannot lock.)
class Database {
public:
    Database();
    // Rolls an open transaction back and disconnects.
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Closes any connection, then connects to login.databaseName() ("host/port:path").
    // True when connected. Never throws: on failure the reason, in the server's words
    // where it gave any, is lastError(), and the database stays disconnected. A login
    // without a host or a path is refused without asking anyone, since the client library
    // would otherwise open a local file without the server's checks.
    bool open(const DatabaseLogin& login);
    // open() with the details from the settings file (DBIPE, DBPortE, DBCestaE,
    // DBLoginE, DBHesloE).
    bool open(const SettingsFile& settings);
    // Ends the result, rolls an open transaction back, disconnects. Never throws.
    void close();

    bool connected() const { return static_cast<bool>(attachment_); }
    // Whether the read-write transaction is open (between execute() calls no other is).
    bool inTransaction() const { return static_cast<bool>(transaction_); }
    // Why the last open() failed; empty after a successful one.
    const QString& lastError() const { return lastError_; }

    // Runs one statement. Its '?' placeholders take params in order (QString, an integer,
    // or a null QVariant for NULL); values never become part of the SQL text. "commit"
    // commits the read-write transaction (nothing when none is open). After a SELECT the
    // rows are ready in rows(); any statement ends the result of the one before, and the
    // rows taken from it with it. Throws DatabaseError when the statement cannot run (no
    // connection, SQL error, lost connection, lock conflict, a character the connection's code page
    // cannot carry); a transaction that the statement started is then rolled back, one
    // that was open before stays open for rollback().
    void execute(const QString& sql, const QVariantList& params = {});

    // Rolls the open transaction back, so a save that failed part-way leaves the rows as
    // they were. Never throws.
    void rollback();

    // The rows of the last statement.
    const ResultRows& rows() const { return rows_; }

private:
    enum class Access { ReadOnly, ReadWrite };

    // Prepares and runs the statement in the open transaction. ownTransaction: the
    // read-only transaction that execute() started for it, committed after a SELECT and
    // traded for the read-write one before any other statement.
    void run(const QByteArray& sql, const QVariantList& params, bool ownTransaction);
    // Connects with the encoded details; throws Firebird::FbException when refused.
    void attach(const QByteArray& name, const QByteArray& user, const QByteArray& password);
    void startTransaction(Access access);
    void commit();

    Firebird::IMaster* master_ = nullptr;
    FbRef<Firebird::IProvider> provider_;
    FbRef<Firebird::IAttachment> attachment_;
    FbRef<Firebird::ITransaction> transaction_;
    ResultRows rows_;
    QString lastError_;
};

} // namespace orfa::config
