// The central database against a real Firebird server on 127.0.0.1: connecting, the
// statement runner, the NST rows of the shared settings and the names for the panel.
// Rows are put in and looked at with plain SQL over a second connection, not through the
// functions under test.
#include "config/Database.h"
#include "config/DatabaseError.h"
#include "config/IoNamesDatabase.h"
#include "config/NstStore.h"
#include "support/ClosedPort.h"
#include "support/SqlText.h"
#include "support/TestDatabase.h"
#include "support/TransactionWatch.h"

#include <QTest>

#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

using namespace orfa;
using config::Database;
using config::DatabaseError;
using config::DatabaseLogin;

namespace {

// A port on 127.0.0.1 where nothing listens.
// A row of NST as plain SQL.
void putNst(Database& db, const QString& name, const QString& text, int number) {
    db.execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), %1, %2, %3)")
                   .arg(test::quoted(name), test::quoted(text))
                   .arg(number));
}

config::NstValues sampleValues() {
    config::NstValues v;
    for (int i = 0; i < 10; ++i)
        v.inputs.at(static_cast<std::size_t>(i)) = {QStringLiteral("Vstup č. %1").arg(i + 1),
                                                    i % 2 == 0};
    for (int j = 0; j < 16; ++j)
        v.outputs.at(static_cast<std::size_t>(j)) = {QStringLiteral("Zóna %1").arg(j + 1),
                                                     j % 3 == 0};
    for (int k = 0; k < 9; ++k)
        v.radioNames.at(static_cast<std::size_t>(k)) = QStringLiteral("Rádio %1").arg(k + 1);
    v.inputs[2].name = QStringLiteral("It's 100% _live_");
    v.outputs[4].name = QStringLiteral("Hala '; DELETE FROM NST; --");
    v.amplifierHost = QStringLiteral("192.0.2.10");
    v.amplifierPort = QStringLiteral("7777");
    v.outputsChoice = 1;
    v.amplifierPassword = QStringLiteral("Pa'ss%wörd");
    v.loginAtStart = true;
    return v;
}

void compareValues(const config::NstValues& actual, const config::NstValues& expected) {
    for (std::size_t i = 0; i < 10; ++i) {
        QCOMPARE(actual.inputs[i].name, expected.inputs[i].name);
        QCOMPARE(actual.inputs[i].enabled, expected.inputs[i].enabled);
    }
    for (std::size_t j = 0; j < 16; ++j) {
        QCOMPARE(actual.outputs[j].name, expected.outputs[j].name);
        QCOMPARE(actual.outputs[j].enabled, expected.outputs[j].enabled);
    }
    QCOMPARE(actual.radioNames, expected.radioNames);
    QCOMPARE(actual.amplifierHost, expected.amplifierHost);
    QCOMPARE(actual.amplifierPort, expected.amplifierPort);
    QCOMPARE(actual.outputsChoice, expected.outputsChoice);
    QCOMPARE(actual.amplifierPassword, expected.amplifierPassword);
    QCOMPARE(actual.loginAtStart, expected.loginAtStart);
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void connectsWithUpperCaseUserAndLowerCasePassword_data();
    void connectsWithUpperCaseUserAndLowerCasePassword();
    void wrongDetailsGiveFalse_data();
    void wrongDetailsGiveFalse();
    void statementsNeedAConnection();
    void parametersCarryAnyText_data();
    void parametersCarryAnyText();
    void textsOutsideTheCodePageAreRefused();
    void nullReadsAsEmptyOrZero();
    void otherColumnTypes();
    void commitEndsTheTransaction();
    void readsLeaveNoTransactionOpen();
    void saveAfterReadsIsOneUnit();

    void amplifierAddressAndLoginFlag();
    void sixteenOutputs_data();
    void sixteenOutputs();
    void readKeepsWhatHasNoRow();
    void writeReplacesOnlyItsRows();
    void saveBlockedByALockKeepsTheRows();
    void saveFailingHalfwayKeepsTheRows();
    void namesAndGroupsForThePanel();

private:
    test::TestDatabase testDb_;
    std::unique_ptr<Database> db_;      // the connection under test
    std::unique_ptr<Database> fixture_; // puts rows in and looks at them
};

void TestDatabase::initTestCase() {
    ORFA_REQUIRE_TEST_DATABASE(testDb_);
}

void TestDatabase::init() {
    if (!testDb_.found())
        return;
    db_ = std::make_unique<Database>();
    fixture_ = std::make_unique<Database>();
    QVERIFY2(fixture_->open(testDb_.login()), qPrintable(fixture_->lastError()));
    test::TestDatabase::clearTables(*fixture_);
    QVERIFY2(db_->open(testDb_.login()), qPrintable(db_->lastError()));
}

void TestDatabase::cleanup() {
    db_.reset();
    fixture_.reset();
}

void TestDatabase::connectsWithUpperCaseUserAndLowerCasePassword_data() {
    QTest::addColumn<bool>("upperUser");
    QTest::addColumn<bool>("upperPassword");
    QTest::newRow("as created") << false << false;
    QTest::newRow("password typed in capitals") << false << true;
    QTest::newRow("user typed in capitals") << true << true;
}

void TestDatabase::connectsWithUpperCaseUserAndLowerCasePassword() {
    QFETCH(bool, upperUser);
    QFETCH(bool, upperPassword);
    DatabaseLogin login = testDb_.login();
    if (upperUser)
        login.user = login.user.toUpper();
    if (upperPassword)
        login.password = login.password.toUpper();
    Database db;
    QVERIFY2(db.open(login), qPrintable(db.lastError()));
    QVERIFY(db.connected());
    QVERIFY(db.lastError().isEmpty());
    db.execute(QStringLiteral(
        "SELECT CURRENT_USER AS WHO, CURRENT_ROLE AS ROLENAME, MON$REMOTE_PROTOCOL AS PROTO, "
        "RDB$GET_CONTEXT('SYSTEM', 'CLIENT_ADDRESS') AS ADDR, "
        "(SELECT RDB$CHARACTER_SET_NAME FROM MON$ATTACHMENTS A JOIN RDB$CHARACTER_SETS C ON "
        "C.RDB$CHARACTER_SET_ID = A.MON$CHARACTER_SET_ID WHERE A.MON$ATTACHMENT_ID = "
        "CURRENT_CONNECTION) AS CHARSET "
        "FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = CURRENT_CONNECTION"));
    QCOMPARE(db.rows().size(), 1);
    QCOMPARE(db.rows().first().text(QStringLiteral("WHO")), testDb_.login().user.toUpper());
    QCOMPARE(db.rows().first().text(QStringLiteral("ROLENAME")), QStringLiteral("3"));
    QCOMPARE(db.rows().first().text(QStringLiteral("CHARSET")), QStringLiteral("WIN1250"));
    QCOMPARE(db.rows().first().text(QStringLiteral("PROTO")), QStringLiteral("TCPv4"));
    QVERIFY(db.rows().first().text(QStringLiteral("ADDR")).startsWith(QStringLiteral("127.0.0.1")));
}

void TestDatabase::wrongDetailsGiveFalse_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("closed port") << QStringLiteral("port") << QString::number(closedLoopbackPort());
    QTest::newRow("port that is no number") << QStringLiteral("port") << QStringLiteral("abc");
    QTest::newRow("no such file") << QStringLiteral("path")
                                  << QStringLiteral("/nonexistent/orfa.fdb");
    QTest::newRow("wrong password") << QStringLiteral("password") << QStringLiteral("wrong");
    QTest::newRow("no host") << QStringLiteral("host") << QString();
    QTest::newRow("no path") << QStringLiteral("path") << QString();
}

void TestDatabase::wrongDetailsGiveFalse() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    DatabaseLogin login = testDb_.login();
    if (field == QLatin1String("port"))
        login.port = value;
    else if (field == QLatin1String("path"))
        login.path = value;
    else if (field == QLatin1String("password"))
        login.password = value;
    else
        login.host = value;
    // A failed attempt also ends the connection that was there.
    QVERIFY(db_->connected());
    QVERIFY(!db_->open(login));
    QVERIFY(!db_->connected());
    QVERIFY(!db_->lastError().isEmpty());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, db_->execute(QStringLiteral("SELECT * FROM NST")));
    // The next good attempt works again.
    QVERIFY(db_->open(testDb_.login()));
    QVERIFY(db_->lastError().isEmpty());
}

void TestDatabase::statementsNeedAConnection() {
    db_->close();
    QVERIFY(!db_->connected());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, db_->execute(QStringLiteral("SELECT * FROM NST")));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, config::nst::readLoginFlag(*db_));
    db_->close(); // twice is harmless
    db_->rollback();
}

void TestDatabase::parametersCarryAnyText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("apostrophes") << QStringLiteral("O'Brien's 'name'");
    QTest::newRow("injection") << QStringLiteral("x', 0); DELETE FROM NST; --");
    QTest::newRow("like patterns") << QStringLiteral("100% _a_");
    QTest::newRow("czech") << QStringLiteral("Žluťoučký kůň úpěl ďábelské ódy");
    QTest::newRow("empty") << QString();
}

void TestDatabase::parametersCarryAnyText() {
    QFETCH(QString, text);
    putNst(*fixture_, QStringLiteral("Jiny"), QStringLiteral("stays"), 5);
    fixture_->execute(QStringLiteral("commit"));
    db_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), ?, ?, ?)"),
                 {QStringLiteral("Param"), text, 7});
    db_->execute(QStringLiteral("commit"));
    db_->execute(QStringLiteral("SELECT * FROM NST WHERE HODNTXT = ? AND HODNINT = ?"), {text, 7});
    QCOMPARE(db_->rows().size(), 1);
    QCOMPARE(db_->rows().first().text(QStringLiteral("hodntxt")), text);
    QCOMPARE(db_->rows().first().text(QStringLiteral("NAZEV")), QStringLiteral("Param"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, db_->rows().at(1).text(QStringLiteral("NAZEV")));
    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 2);
}

void TestDatabase::textsOutsideTheCodePageAreRefused() {
    QVERIFY_THROWS_EXCEPTION(
        DatabaseError,
        db_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), ?, ?, 0)"),
                     {QStringLiteral("X"), QStringLiteral("日本")}));
    QVERIFY_THROWS_EXCEPTION(
        DatabaseError, db_->execute(QStringLiteral("SELECT * FROM NST WHERE NAZEV = '日本'")));
    // Wrong parameter counts and types are refused before anything runs.
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             db_->execute(QStringLiteral("SELECT * FROM NST WHERE NAZEV = ?")));
    QVERIFY_THROWS_EXCEPTION(
        DatabaseError,
        db_->execute(QStringLiteral("SELECT * FROM NST WHERE NAZEV = ?"), {QVariant(1.5)}));
    db_->execute(QStringLiteral("commit"));
    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 0);
}

void TestDatabase::nullReadsAsEmptyOrZero() {
    fixture_->execute(QStringLiteral("INSERT INTO NST VALUES (1, NULL, NULL, NULL)"));
    fixture_->execute(QStringLiteral("commit"));
    db_->execute(QStringLiteral("SELECT * FROM NST"));
    QVERIFY(!db_->rows().isEmpty());
    QCOMPARE(db_->rows().first().text(QStringLiteral("NAZEV")), QString());
    QCOMPARE(db_->rows().first().integer(QStringLiteral("HODNINT")), 0);
    QCOMPARE(db_->rows().first().text(QStringLiteral("HODNINT")), QString());
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             db_->rows().first().text(QStringLiteral("NO_SUCH_COLUMN")));
    // A NULL parameter is NULL.
    db_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST WHERE NAZEV IS NOT DISTINCT FROM ?"),
                 {QVariant()});
    QCOMPARE(db_->rows().first().integer(QStringLiteral("N")), 1);
}

void TestDatabase::otherColumnTypes() {
    db_->execute(QStringLiteral(
        "SELECT CAST('ab' AS CHAR(10)) AS FIXED, CAST(' x ' AS VARCHAR(5)) AS VAR, "
        "CAST(1.5 AS NUMERIC(5, 2)) AS DECIMALS, CAST(3000000000 AS BIGINT) AS BIG, "
        "CAST(-7 AS SMALLINT) AS SMALL, DATE '2013-10-14' AS STARTED FROM RDB$DATABASE"));
    QCOMPARE(db_->rows().first().text(QStringLiteral("FIXED")), QStringLiteral("ab"));
    QCOMPARE(db_->rows().first().text(QStringLiteral("VAR")), QStringLiteral(" x "));
    QCOMPARE(db_->rows().first().text(QStringLiteral("DECIMALS")), QStringLiteral("1.50"));
    QCOMPARE(db_->rows().first().text(QStringLiteral("BIG")), QStringLiteral("3000000000"));
    // Beyond 32 bits an integer is held at the limit, never wrapped to something small.
    QCOMPARE(db_->rows().first().integer(QStringLiteral("BIG")), std::numeric_limits<int>::max());
    QCOMPARE(db_->rows().first().integer(QStringLiteral("SMALL")), -7);
    QCOMPARE(db_->rows().first().text(QStringLiteral("STARTED")), QStringLiteral("2013-10-14"));
    QCOMPARE(db_->rows().first().integer(QStringLiteral("VAR")), 0); // not a number
}

void TestDatabase::commitEndsTheTransaction() {
    QVERIFY(!db_->inTransaction());
    db_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), 'A', '', 0)"));
    QVERIFY(db_->inTransaction());
    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 0); // not committed yet
    db_->execute(QStringLiteral("commit"));
    QVERIFY(!db_->inTransaction());
    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 1);

    db_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), 'B', '', 0)"));
    db_->rollback();
    QVERIFY(!db_->inTransaction());
    db_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(db_->rows().first().integer(QStringLiteral("N")), 1);
}

// Every read ends its transaction before it returns, whether it worked or not, as the
// server itself reports.
void TestDatabase::readsLeaveNoTransactionOpen() {
    putNst(*fixture_, QStringLiteral("Vstup1En"), QStringLiteral("Pult"), 1);
    fixture_->execute(QStringLiteral("INSERT INTO SKUPINY VALUES (1, 2)"));
    fixture_->execute(QStringLiteral("commit"));
    test::TransactionWatch watch(*fixture_, *db_);
    config::NstValues values;
    const std::vector<std::pair<const char*, std::function<void()>>> reads = {
        {"statement", [&] { db_->execute(QStringLiteral("SELECT * FROM NST")); }},
        {"amplifier address", [&] { config::nst::readAmplifierAddress(*db_); }},
        {"login flag", [&] { config::nst::readLoginFlag(*db_); }},
        {"outputs 9 to 16", [&] { config::nst::readSixteenOutputs(*db_); }},
        {"shared settings", [&] { config::nst::readNst(*db_, values); }},
        {"names and groups", [&] { config::readIoNames(*db_); }},
        {"generator",
         [&] {
             db_->execute(QStringLiteral("SELECT GEN_ID(Skupiny, 1) AS ID FROM RDB$DATABASE"));
         }},
        {"unknown table",
         [&] {
             QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                      db_->execute(QStringLiteral("SELECT * FROM X")));
         }},
        {"missing parameter",
         [&] {
             QVERIFY_THROWS_EXCEPTION(
                 DatabaseError, db_->execute(QStringLiteral("SELECT * FROM NST WHERE NAZEV = ?")));
         }},
        {"commit", [&] { db_->execute(QStringLiteral("commit")); }},
    };
    for (const auto& [what, read] : reads) {
        read();
        QVERIFY2(!db_->inTransaction(), what);
        QVERIFY2(watch.openTransactions() == 0, what);
    }
    const int mark = watch.latestTransaction();
    QVERIFY(watch.oldestActive() > mark);
}

// Reads before a save run on their own; from its first write on the save is one unit that
// its reads are part of, and that a failure leaves open for rollback().
void TestDatabase::saveAfterReadsIsOneUnit() {
    test::TransactionWatch watch(*fixture_, *db_);
    const QString failing = QStringLiteral("INSERT INTO NST VALUES (NULL, 'B', '', 0)");
    db_->execute(QStringLiteral("SELECT * FROM NST"));
    putNst(*db_, QStringLiteral("A"), QString(), 1);
    db_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(db_->rows().first().integer(QStringLiteral("N")), 1); // its own row, not committed
    QCOMPARE(watch.openTransactions(), 1);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, db_->execute(failing));
    QVERIFY(db_->inTransaction());
    db_->rollback();
    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 0);
    // A write that fails first ends the transaction it started.
    QVERIFY_THROWS_EXCEPTION(DatabaseError, db_->execute(failing));
    QVERIFY(!db_->inTransaction());
    QCOMPARE(watch.openTransactions(), 0);
}

void TestDatabase::amplifierAddressAndLoginFlag() {
    auto address = config::nst::readAmplifierAddress(*db_);
    QCOMPARE(address.host, QString());
    QCOMPARE(address.port, QString());
    QCOMPARE(config::nst::readLoginFlag(*db_), false);

    putNst(*fixture_, QStringLiteral("IPZesE"), QStringLiteral("192.0.2.7"), 0);
    putNst(*fixture_, QStringLiteral("PortZesE"), QStringLiteral("7001"), 0);
    putNst(*fixture_, QStringLiteral("LoginChb"), QString(), 1);
    putNst(*fixture_, QStringLiteral("LoginChb"), QString(), 0);
    fixture_->execute(QStringLiteral("commit"));
    address = config::nst::readAmplifierAddress(*db_);
    QCOMPARE(address.host, QStringLiteral("192.0.2.7"));
    QCOMPARE(address.port, QStringLiteral("7001"));
    // The first row decides (the server gives rows in the order they were stored).
    QCOMPARE(config::nst::readLoginFlag(*db_), true);

    fixture_->execute(QStringLiteral("DELETE FROM NST WHERE NAZEV = 'LoginChb'"));
    putNst(*fixture_, QStringLiteral("LoginChb"), QString(), 2);
    fixture_->execute(QStringLiteral("commit"));
    QCOMPARE(config::nst::readLoginFlag(*db_), false); // only 1 means on
}

void TestDatabase::sixteenOutputs_data() {
    QTest::addColumn<QString>("rowName");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("sixteen");
    QTest::newRow("no row") << QString() << 0 << false;
    QTest::newRow("1") << QStringLiteral("VstupyRG") << 1 << true;
    QTest::newRow("0") << QStringLiteral("VstupyRG") << 0 << false;
    QTest::newRow("-1") << QStringLiteral("VstupyRG") << -1 << false;
    QTest::newRow("2") << QStringLiteral("VstupyRG") << 2 << false;
    QTest::newRow("other letter case") << QStringLiteral("VSTUPYRG") << 1 << false;
}

void TestDatabase::sixteenOutputs() {
    QFETCH(QString, rowName);
    QFETCH(int, value);
    QFETCH(bool, sixteen);
    if (!rowName.isEmpty())
        putNst(*fixture_, rowName, QString(), value);
    fixture_->execute(QStringLiteral("commit"));
    QCOMPARE(config::nst::readSixteenOutputs(*db_), sixteen);
}

void TestDatabase::readKeepsWhatHasNoRow() {
    putNst(*fixture_, QStringLiteral("Vstup3En"), QStringLiteral("Třetí"), 2);
    putNst(*fixture_, QStringLiteral("Vystup16En"), QStringLiteral("Poslední"), 1);
    putNst(*fixture_, QStringLiteral("vstup1en"), QStringLiteral("malými"), 1);
    putNst(*fixture_, QStringLiteral("Vstup01En"), QStringLiteral("s nulou"), 1);
    putNst(*fixture_, QStringLiteral("Vstup11En"), QStringLiteral("navíc"), 1);
    putNst(*fixture_, QStringLiteral("RadioJmeno9"), QStringLiteral("Devítka"), 0);
    putNst(*fixture_, QStringLiteral("VstupyRG"), QString(), 1);
    fixture_->execute(QStringLiteral("commit"));

    config::NstValues values;
    for (auto& input : values.inputs)
        input = {QStringLiteral("Edit1"), true};
    values.amplifierHost = QStringLiteral("kept");
    config::nst::readNst(*db_, values);
    QCOMPARE(values.inputs[2].name, QStringLiteral("Třetí"));
    QCOMPARE(values.inputs[2].enabled, false); // 2 is not 1
    QCOMPARE(values.inputs[0].name, QStringLiteral("Edit1"));
    QCOMPARE(values.inputs[0].enabled, true);
    QCOMPARE(values.outputs[15].name, QStringLiteral("Poslední"));
    QCOMPARE(values.outputs[15].enabled, true);
    QCOMPARE(values.radioNames[8], QStringLiteral("Devítka"));
    QCOMPARE(values.amplifierHost, QStringLiteral("kept"));
    QCOMPARE(values.outputsChoice, 1);
    QCOMPARE(values.loginAtStart, false);
}

void TestDatabase::writeReplacesOnlyItsRows() {
    putNst(*fixture_, QStringLiteral("Vstup1En"), QStringLiteral("old"), 1);
    putNst(*fixture_, QStringLiteral("IPZesE"), QStringLiteral("old"), 0);
    putNst(*fixture_, QStringLiteral("Poznamka"), QStringLiteral("of another program"), 3);
    putNst(*fixture_, QStringLiteral("Vstup1En_old"), QStringLiteral("near miss"), 4);
    fixture_->execute(QStringLiteral("commit"));

    const config::NstValues written = sampleValues();
    config::nst::writeNst(*db_, written);
    QVERIFY(!db_->inTransaction());
    config::nst::writeNst(*db_, written); // saving again keeps 40 rows, not 80

    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N, COUNT(DISTINCT ID) AS IDS, "
                                     "COUNT(DISTINCT NAZEV) AS NAMES FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 42);
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("IDS")), 42);
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("NAMES")), 42);
    fixture_->execute(QStringLiteral("SELECT * FROM NST WHERE NAZEV STARTING WITH 'Poznamka' OR "
                                     "NAZEV = 'Vstup1En_old' ORDER BY NAZEV"));
    QCOMPARE(fixture_->rows().first().text(QStringLiteral("HODNTXT")),
             QStringLiteral("of another program"));
    QCOMPARE(fixture_->rows().at(1).text(QStringLiteral("HODNTXT")), QStringLiteral("near miss"));
    fixture_->execute(QStringLiteral("SELECT HODNTXT, HODNINT FROM NST WHERE NAZEV = 'Vstup3En'"));
    QCOMPARE(fixture_->rows().first().text(QStringLiteral("HODNTXT")),
             QStringLiteral("It's 100% _live_"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("HODNINT")), 1);
    fixture_->execute(QStringLiteral("SELECT * FROM NST WHERE NAZEV = 'VstupyRG'"));
    QCOMPARE(fixture_->rows().first().text(QStringLiteral("HODNTXT")), QString());
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("HODNINT")), 1);

    config::NstValues read;
    config::nst::readNst(*db_, read);
    compareValues(read, written);
}

void TestDatabase::saveBlockedByALockKeepsTheRows() {
    putNst(*fixture_, QStringLiteral("IPZesE"), QStringLiteral("old"), 0);
    putNst(*fixture_, QStringLiteral("Vystup2En"), QStringLiteral("old"), 1);
    fixture_->execute(QStringLiteral("commit"));
    // Another panel is in the middle of its own save.
    fixture_->execute(QStringLiteral("UPDATE NST SET HODNINT = 0 WHERE NAZEV = 'Vystup2En'"));

    QVERIFY_THROWS_EXCEPTION(DatabaseError, config::nst::writeNst(*db_, sampleValues()));
    QVERIFY(!db_->inTransaction());
    fixture_->rollback();
    fixture_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(fixture_->rows().first().integer(QStringLiteral("N")), 2);
    QCOMPARE(config::nst::readAmplifierAddress(*db_).host, QStringLiteral("old"));

    // Once the other save has ended, this one goes through.
    config::nst::writeNst(*db_, sampleValues());
    QCOMPARE(config::nst::readAmplifierAddress(*db_).host, QStringLiteral("192.0.2.10"));
}

void TestDatabase::saveFailingHalfwayKeepsTheRows() {
    putNst(*fixture_, QStringLiteral("IPZesE"), QStringLiteral("old"), 0);
    putNst(*fixture_, QStringLiteral("RadioJmeno1"), QStringLiteral("old"), 0);
    fixture_->execute(QStringLiteral("commit"));
    config::NstValues tooLong = sampleValues();
    // The DELETE and the first inserts succeed; this name does not fit its column.
    tooLong.outputs[3].name = QString(500, QLatin1Char('x'));

    QVERIFY_THROWS_EXCEPTION(DatabaseError, config::nst::writeNst(*db_, tooLong));
    QVERIFY(!db_->inTransaction());
    fixture_->execute(QStringLiteral("SELECT NAZEV, HODNTXT FROM NST ORDER BY NAZEV"));
    QCOMPARE(fixture_->rows().size(), 2);
    QCOMPARE(fixture_->rows().first().text(QStringLiteral("NAZEV")), QStringLiteral("IPZesE"));
    QCOMPARE(fixture_->rows().first().text(QStringLiteral("HODNTXT")), QStringLiteral("old"));
}

void TestDatabase::namesAndGroupsForThePanel() {
    putNst(*fixture_, QStringLiteral("Vstup9En"), QStringLiteral("Rádio L"), 1);
    putNst(*fixture_, QStringLiteral("Vstup10En"), QStringLiteral("Rádio R"), 0);
    putNst(*fixture_, QStringLiteral("Vystup5En"), QStringLiteral("Hala"), 1);
    putNst(*fixture_, QStringLiteral("Vystup6En"), QStringLiteral("Sklad"), 7);
    putNst(*fixture_, QStringLiteral("RadioJmeno2"), QStringLiteral("Dvojka"), 0);
    putNst(*fixture_, QStringLiteral("VYSTUP7EN"), QStringLiteral("wrong case"), 1);
    for (const auto& [group, output] :
         std::vector<std::pair<int, int>>{{2, 4}, {2, 7}, {3, 0}, {3, 17}, {5, 4}})
        fixture_->execute(
            QStringLiteral("INSERT INTO SKUPINY VALUES (%1, %2)").arg(group).arg(output));
    fixture_->execute(QStringLiteral("commit"));

    const config::IoNames names = config::readIoNames(*db_);
    QVERIFY(!names.sources[0].has_value());
    QCOMPARE(names.sources[8]->name, QStringLiteral("Rádio L"));
    QCOMPARE(names.sources[8]->enabled, true);
    QCOMPARE(names.sources[9]->enabled, false);
    QCOMPARE(names.outputs[4]->name, QStringLiteral("Hala"));
    QCOMPARE(names.outputs[5]->enabled, false);
    QVERIFY(!names.outputs[6].has_value());
    QCOMPARE(*names.radioNames[0], QStringLiteral("1"));
    QCOMPARE(*names.radioNames[1], QStringLiteral("Dvojka"));
    QCOMPARE(*names.radioNames[8], QStringLiteral("9"));
    QCOMPARE(names.groups.size(), std::size_t{3}); // outputs 0 and 17 skipped
    int groupOfFour = 0;
    for (const config::GroupMember& member : names.groups) {
        QVERIFY(member.output == 4 || member.output == 7);
        if (member.output == 4)
            groupOfFour = member.group;
    }
    QVERIFY(groupOfFour == 2 || groupOfFour == 5);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
