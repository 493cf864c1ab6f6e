#pragma once

// The throw-away central database of one test program, made by
// scripts/firebird-test-server.sh (scripts/test.sh runs it). Header only, so that the
// tests of every area can use it.

#include "config/Database.h"
#include "config/DatabaseLogin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

namespace orfa::test {

// The connection details come from the file that $ORFA_TEST_DB_ENV names, or else from
// firebird-test.env in the build directory. Each test program has a database of its own,
// named after the program, so programs that CTest runs side by side never meet.
class TestDatabase {
public:
    TestDatabase() {
        QString path = qEnvironmentVariable("ORFA_TEST_DB_ENV");
        if (path.isEmpty())
            path = QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral("../firebird-test.env"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            why_ = QStringLiteral("no test database: %1 is missing (scripts/test.sh starts "
                                  "a Firebird server and writes it)")
                       .arg(path);
            return;
        }
        QString dir;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const QString key = line.section(QLatin1Char('='), 0, 0);
            const QString value = line.section(QLatin1Char('='), 1);
            if (key == QLatin1String("ORFA_TEST_DB_HOST"))
                login_.host = value;
            else if (key == QLatin1String("ORFA_TEST_DB_PORT"))
                login_.port = value;
            else if (key == QLatin1String("ORFA_TEST_DB_DIR"))
                dir = value;
            else if (key == QLatin1String("ORFA_TEST_DB_USER"))
                login_.user = value;
            else if (key == QLatin1String("ORFA_TEST_DB_PASSWORD"))
                login_.password = value;
        }
        login_.path =
            dir + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".fdb");
        found_ = !login_.host.isEmpty() && !dir.isEmpty() && !login_.user.isEmpty();
        if (!found_)
            why_ = QStringLiteral("no test database: %1 is incomplete").arg(path);
    }

    bool found() const { return found_; }
    const QString& why() const { return why_; }
    // User name as created (small letters) and the password (small letters).
    const config::DatabaseLogin& login() const { return login_; }

    // Settings-file lines that point a panel at this database, with the database
    // switched on or off.
    QStringList settingsLines(bool inUse = true) const {
        return {QStringLiteral("DBChb=%1").arg(inUse ? 1 : 0),
                QStringLiteral("DBIPE=%1").arg(login_.host),
                QStringLiteral("DBPortE=%1").arg(login_.port),
                QStringLiteral("DBCestaE=%1").arg(login_.path),
                QStringLiteral("DBLoginE=%1").arg(login_.user),
                QStringLiteral("DBHesloE=%1").arg(login_.password)};
    }

    // In CI a missing database fails the test instead of skipping it.
    static bool mustExist() {
        const QString ci = qEnvironmentVariable("CI").toLower();
        return !ci.isEmpty() && ci != QLatin1String("false") && ci != QLatin1String("0");
    }

    // Empties the tables and commits, so that a test starts from rows it knows.
    static void clearTables(config::Database& db) {
        db.execute(QStringLiteral("DELETE FROM NST"));
        db.execute(QStringLiteral("DELETE FROM UZIV"));
        db.execute(QStringLiteral("DELETE FROM SKUPINY"));
        db.execute(QStringLiteral("commit"));
    }

private:
    config::DatabaseLogin login_;
    QString why_;
    bool found_ = false;
};

} // namespace orfa::test

// Stops the test function when there is no test database: a failure in CI, a skip
// otherwise. A database that is described but does not answer fails later, at connecting.
#define ORFA_REQUIRE_TEST_DATABASE(testDb)                                                         \
    do {                                                                                           \
        if (!(testDb).found()) {                                                                   \
            if (orfa::test::TestDatabase::mustExist())                                             \
                QFAIL(qPrintable((testDb).why()));                                                 \
            QSKIP(qPrintable((testDb).why()));                                                     \
        }                                                                                          \
    } while (false)
