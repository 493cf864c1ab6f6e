#include "config/Database.h"

#include "config/ConfigLog.h"
#include "config/DatabaseError.h"
#include "config/FbClient.h"
#include "config/FbInputMessage.h"
#include "config/FbOutputMessage.h"
#include "config/FbStatus.h"
#include "config/Win1250.h"

#include <firebird/Interface.h>

namespace orfa::config {
namespace {

constexpr int kConnectTimeoutSeconds = 10;

QByteArray encoded(const QString& text, const char* what) {
    std::optional<QByteArray> bytes = win1250::encode(text);
    if (!bytes)
        throw DatabaseError(
            QStringLiteral("the %1 holds a character the Windows-1250 code page lacks")
                .arg(QLatin1String(what)));
    return *bytes;
}

// Runs a prepared statement in transaction: with a cursor (a SELECT) it gives every row,
// otherwise the one row a statement may return (RETURNING, a procedure).
ResultRows runPrepared(Firebird::ThrowStatusWrapper* status, Firebird::IStatement* statement,
                       Firebird::ITransaction* transaction, FbInputMessage& input,
                       FbOutputMessage& output, bool withCursor) {
    ResultRows rows(output.columns());
    if (withCursor) {
        FbRef<Firebird::IResultSet> cursor(statement->openCursor(
            status, transaction, input.metadata(), input.buffer(), output.metadata(), 0));
        while (cursor->fetchNext(status, output.buffer()) == Firebird::IStatus::RESULT_OK)
            rows.append(output.row());
        cursor->close(status);
        cursor.forget(); // close() gave it back
    } else {
        statement->execute(status, transaction, input.metadata(), input.buffer(), output.metadata(),
                           output.buffer());
        if (output.count() > 0)
            rows.append(output.row());
    }
    return rows;
}

bool isCommit(const QString& sql) {
    return sql.trimmed().compare(QLatin1String("commit"), Qt::CaseInsensitive) == 0;
}

} // namespace

Database::Database() = default;

Database::~Database() {
    close();
}

bool Database::open(const SettingsFile& settings) {
    return open(DatabaseLogin::fromSettings(settings));
}

bool Database::open(const DatabaseLogin& login) {
    close();
    lastError_.clear();
    try {
        if (login.host.trimmed().isEmpty() || login.path.trimmed().isEmpty())
            throw DatabaseError(QStringLiteral("the database server or file is not set"));
        const QByteArray name = encoded(login.databaseName(), "database name");
        const QByteArray user = encoded(login.user.toUpper(), "user name");
        const QByteArray password = encoded(login.password.toLower(), "password");
        if (!master_)
            master_ = fbclient::master(lastError_);
        if (!master_)
            throw DatabaseError(lastError_);
        attach(name, user, password);
        qCDebug(lcConfig) << "connected to the central database" << login.databaseName();
        return true;
    } catch (const Firebird::FbException& error) {
        lastError_ = FbStatus::errorText(master_, error);
    } catch (const DatabaseError& error) {
        lastError_ = error.message();
    } catch (const std::exception& error) {
        lastError_ = QString::fromLocal8Bit(error.what());
    }
    attachment_.reset();
    qCDebug(lcConfig) << "cannot connect to the central database" << login.databaseName() << ":"
                      << lastError_;
    return false;
}

void Database::attach(const QByteArray& name, const QByteArray& user, const QByteArray& password) {
    FbStatus status(master_);
    FbRef<Firebird::IXpbBuilder> dpb(master_->getUtilInterface()->getXpbBuilder(
        status.get(), Firebird::IXpbBuilder::DPB, nullptr, 0));
    dpb->insertString(status.get(), isc_dpb_user_name, user.constData());
    dpb->insertString(status.get(), isc_dpb_password, password.constData());
    dpb->insertString(status.get(), isc_dpb_sql_role_name, "3");
    dpb->insertString(status.get(), isc_dpb_lc_ctype, "WIN1250");
    // A server that silently drops packets must not freeze the panel for the
    // client library's default of three minutes.
    dpb->insertInt(status.get(), isc_dpb_connect_timeout, kConnectTimeoutSeconds);
    if (!provider_)
        provider_.reset(master_->getDispatcher());
    attachment_.reset(provider_->attachDatabase(status.get(), name.constData(),
                                                dpb->getBufferLength(status.get()),
                                                dpb->getBuffer(status.get())));
}

void Database::close() {
    rows_.clear();
    rollback();
    if (!attachment_)
        return;
    FbStatus status(master_);
    try {
        attachment_->detach(status.get());
        attachment_.forget(); // detach() gave it back
    } catch (const Firebird::FbException& error) {
        qCWarning(lcConfig) << "disconnecting:" << FbStatus::errorText(master_, error);
        attachment_.reset();
    }
}

void Database::rollback() {
    if (!transaction_)
        return;
    FbStatus status(master_);
    try {
        transaction_->rollback(status.get());
        transaction_.forget(); // rollback() gave it back
    } catch (const Firebird::FbException& error) {
        // A lost connection cannot roll back; the server does when it notices.
        qCWarning(lcConfig) << "rolling back:" << FbStatus::errorText(master_, error);
        transaction_.reset();
    }
}

void Database::startTransaction(Access access) {
    FbStatus status(master_);
    FbRef<Firebird::IXpbBuilder> tpb(master_->getUtilInterface()->getXpbBuilder(
        status.get(), Firebird::IXpbBuilder::TPB, nullptr, 0));
    tpb->insertTag(status.get(), access == Access::ReadOnly ? isc_tpb_read : isc_tpb_write);
    tpb->insertTag(status.get(), isc_tpb_read_committed);
    tpb->insertTag(status.get(), isc_tpb_rec_version);
    tpb->insertTag(status.get(), isc_tpb_nowait);
    transaction_.reset(attachment_->startTransaction(
        status.get(), tpb->getBufferLength(status.get()), tpb->getBuffer(status.get())));
}

void Database::commit() {
    FbStatus status(master_);
    transaction_->commit(status.get());
    transaction_.forget(); // commit() gave it back
}

void Database::execute(const QString& sql, const QVariantList& params) {
    rows_.clear();
    if (!attachment_)
        throw DatabaseError(QStringLiteral("not connected to the central database"));
    const QByteArray text = encoded(sql, "statement");
    // The server prepares a statement only within a transaction; until the statement
    // shows what it is, a read-only one does.
    const bool ownTransaction = !transaction_;
    try {
        if (isCommit(sql) && params.isEmpty()) {
            if (transaction_)
                commit();
            return;
        }
        if (ownTransaction)
            startTransaction(Access::ReadOnly);
        run(text, params, ownTransaction);
    } catch (const Firebird::FbException& error) {
        const QString message = FbStatus::errorText(master_, error);
        if (ownTransaction)
            rollback();
        throw DatabaseError(message);
    } catch (const DatabaseError&) {
        if (ownTransaction)
            rollback();
        throw;
    }
}

void Database::run(const QByteArray& sql, const QVariantList& params, bool ownTransaction) {
    FbStatus status(master_);
    FbRef<Firebird::IStatement> statement(
        attachment_->prepare(status.get(), transaction_.get(), 0, sql.constData(), SQL_DIALECT_V6,
                             Firebird::IStatement::PREPARE_PREFETCH_METADATA));
    const unsigned type = statement->getType(status.get());
    if (type == isc_info_sql_stmt_commit) {
        commit();
        return;
    }
    if (type == isc_info_sql_stmt_rollback) {
        rollback();
        return;
    }
    if (type == isc_info_sql_stmt_start_trans)
        throw DatabaseError(QStringLiteral("transactions are started by the connection"));

    FbRef<Firebird::IMessageMetadata> in(statement->getInputMetadata(status.get()));
    FbInputMessage input(master_, status.get(), in->getCount(status.get()), params);
    FbRef<Firebird::IMessageMetadata> out(statement->getOutputMetadata(status.get()));
    FbOutputMessage output(status.get(), out.get());

    // SELECT ... FOR UPDATE locks rows for the statements after it, so it is no mere read.
    const bool read = type == isc_info_sql_stmt_select;
    if (ownTransaction && !read) {
        commit();
        startTransaction(Access::ReadWrite);
    }
    const bool withCursor = read || type == isc_info_sql_stmt_select_for_upd;
    ResultRows rows =
        runPrepared(status.get(), statement.get(), transaction_.get(), input, output, withCursor);
    if (ownTransaction && read)
        commit();
    rows_ = std::move(rows);
}

} // namespace orfa::config
