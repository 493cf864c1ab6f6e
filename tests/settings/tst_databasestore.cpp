// The settings dialog with the central database in use, against a real Firebird server on
// 127.0.0.1: the shared settings read from and written to table NST, switching the database
// on and off, a database that could not be read, and the users and groups lists. Rows are
// put in and looked at with plain SQL over a connection of the test's own.
#include "config/Database.h"
#include "settings/ConnectionPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/OutputsNamesPage.h"
#include "settings/support/SettingsRig.h"
#include "support/SqlText.h"
#include "support/TestDatabase.h"
#include "support/TransactionWatch.h"
#include "users/GroupDatabaseStore.h"
#include "users/PasswordCipher.h"
#include "users/UserDatabaseStore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

using namespace orfa;

namespace {

struct NstRow {
    QString text;
    int number = 0;
    bool operator==(const NstRow&) const = default;
};

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class TestDatabaseStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openShowsNstAndOkReplacesIt();
    void emptyNstKeepsTheInitialTexts();
    void switchingOffWritesTheNstValuesToTheFile();
    void switchingOffAndOnAgainStillWritesNst();
    void switchingOnSavesOnlyTheLocalKeys();
    void unreadDatabaseIsNeverWritten();
    void failedSaveIsReported();
    void textsLongerThanNstHoldsAreRefused();
    void listsComeFromTheDatabase();
    void readsLeaveNoTransactionOpen();

private:
    void putNst(const QString& name, const QString& text, int number);
    void commit() { direct_->execute(QStringLiteral("commit")); }
    QMap<QString, NstRow> nstRows();
    int nstRowCount();
    // A rig whose data module starts with NST holding the simulator's address.
    std::unique_ptr<SettingsRig> rigWithAddressInNst(bool inUse, const QStringList& more = {});

    test::TestDatabase testDb_;
    std::unique_ptr<config::Database> direct_;
};

void TestDatabaseStore::init() {
    ORFA_REQUIRE_TEST_DATABASE(testDb_);
    direct_ = std::make_unique<config::Database>();
    QVERIFY2(direct_->open(testDb_.login()), qPrintable(direct_->lastError()));
    test::TestDatabase::clearTables(*direct_);
}

void TestDatabaseStore::cleanup() {
    direct_.reset();
}

void TestDatabaseStore::putNst(const QString& name, const QString& text, int number) {
    direct_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), %1, %2, %3)")
                         .arg(test::quoted(name), test::quoted(text))
                         .arg(number));
}

QMap<QString, NstRow> TestDatabaseStore::nstRows() {
    QMap<QString, NstRow> rows;
    direct_->execute(QStringLiteral("SELECT NAZEV, HODNTXT, HODNINT FROM NST"));
    for (const config::ResultRow& row : direct_->rows())
        rows.insert(
            row.text(QStringLiteral("NAZEV")),
            NstRow{row.text(QStringLiteral("HODNTXT")), row.integer(QStringLiteral("HODNINT"))});
    commit();
    return rows;
}

int TestDatabaseStore::nstRowCount() {
    direct_->execute(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    const int n = direct_->rows().first().integer(QStringLiteral("N"));
    commit();
    return n;
}

std::unique_ptr<SettingsRig> TestDatabaseStore::rigWithAddressInNst(bool inUse,
                                                                    const QStringList& more) {
    auto rig = std::make_unique<SettingsRig>(testDb_.settingsLines(inUse) + more);
    putNst(QStringLiteral("IPZesE"), QStringLiteral("127.0.0.1"), 0);
    putNst(QStringLiteral("PortZesE"), QString::number(rig->sim().port()), 0);
    commit();
    rig->restart();
    return rig;
}

void TestDatabaseStore::openShowsNstAndOkReplacesIt() {
    auto rig = rigWithAddressInNst(
        true, {QStringLiteral("Vstup3Nzv=Ze souboru"), QStringLiteral("Vstup3En=0")});
    putNst(QStringLiteral("Vstup3En"), QStringLiteral("Pult O'Brien"), 1);
    putNst(QStringLiteral("Vstup4En"), QStringLiteral("Jen dvojka"), 2);
    putNst(QStringLiteral("Vystup12En"), QStringLiteral("Hala – jih"), 1);
    putNst(QStringLiteral("RadioJmeno2"), QStringLiteral("Vltava"), 0);
    putNst(QStringLiteral("VstupyRG"), QString(), 2);
    putNst(QStringLiteral("LoginChb"), QString(), 1);
    putNst(QStringLiteral("HesloZesE"), QStringLiteral("tajné"), 0);
    putNst(QStringLiteral("vstup5en"), QStringLiteral("malá písmena"), 1); // not a setting
    putNst(QStringLiteral("Jiny"), QStringLiteral("zůstane"), 7);
    commit();
    QVERIFY(rig->data().databaseConnected());

    rig->open();
    QVERIFY(rig->data().usesDatabase());
    QVERIFY(rig->form().sharedReadFromDatabase());
    const auto& inputs = rig->form().inputsPage();
    QCOMPARE(inputs.row(3).nameField()->text(), QStringLiteral("Pult O'Brien"));
    QVERIFY(inputs.row(3).checkBox()->isChecked());
    QCOMPARE(inputs.row(4).nameField()->text(), QStringLiteral("Jen dvojka"));
    QVERIFY(!inputs.row(4).checkBox()->isChecked()); // only 1 means enabled
    QCOMPARE(inputs.row(5).nameField()->text(), QStringLiteral("Edit1"));
    QCOMPARE(rig->form().outputsPage().row(12).nameField()->text(), QStringLiteral("Hala – jih"));
    QCOMPARE(rig->lineEdit(QStringLiteral("memoryName2"))->text(), QStringLiteral("Vltava"));
    QCOMPARE(rig->lineEdit(QStringLiteral("amplifierHostField"))->text(),
             QStringLiteral("127.0.0.1"));
    QCOMPARE(rig->form().connectionPage().outputsChoice(), 1);
    QVERIFY(rig->checkBox(QStringLiteral("loginAtStartBox"))->isChecked());
    QVERIFY(rig->waitForIdleQueue());
    QCOMPARE(rig->receivedInstructions(), (std::vector<int>{172, 170}));

    inputs.row(5).nameField()->setText(QStringLiteral("Nový"));
    clickIndicator(inputs.row(5).checkBox());
    QVERIFY(rig->pressOk());
    QVERIFY(rig->messages().messages.empty());

    const QMap<QString, NstRow> rows = nstRows();
    QCOMPARE(rows.size(), 40 + 2);
    QCOMPARE(rows.value(QStringLiteral("Jiny")), (NstRow{QStringLiteral("zůstane"), 7}));
    QCOMPARE(rows.value(QStringLiteral("vstup5en")), (NstRow{QStringLiteral("malá písmena"), 1}));
    QCOMPARE(rows.value(QStringLiteral("Vstup3En")), (NstRow{QStringLiteral("Pult O'Brien"), 1}));
    QCOMPARE(rows.value(QStringLiteral("Vstup4En")), (NstRow{QStringLiteral("Jen dvojka"), 0}));
    QCOMPARE(rows.value(QStringLiteral("Vstup5En")), (NstRow{QStringLiteral("Nový"), 1}));
    QCOMPARE(rows.value(QStringLiteral("Vstup6En")), (NstRow{QStringLiteral("Edit1"), 0}));
    QCOMPARE(rows.value(QStringLiteral("VstupyRG")), (NstRow{QString(), 1}));
    QCOMPARE(rows.value(QStringLiteral("HesloZesE")), (NstRow{QStringLiteral("tajné"), 0}));
    QCOMPARE(rows.value(QStringLiteral("LoginChb")), (NstRow{QString(), 1}));
    QCOMPARE(rows.value(QStringLiteral("RadioJmeno9")), (NstRow{QString(), 0}));
    // The file's shared keys are not the store in use: they stay as they were.
    QCOMPARE(rig->valueInFile(QStringLiteral("Vstup3Nzv")), QStringLiteral("Ze souboru"));
    QCOMPARE(rig->valueInFile(QStringLiteral("Vstup5Nzv")), QString());
    QCOMPARE(rig->valueInFile(QStringLiteral("DBChb")), QStringLiteral("1"));

    rig->open();
    QCOMPARE(rig->form().inputsPage().row(5).nameField()->text(), QStringLiteral("Nový"));
}

void TestDatabaseStore::emptyNstKeepsTheInitialTexts() {
    SettingsRig rig(testDb_.settingsLines(true));
    rig.open();
    QVERIFY(rig.form().sharedReadFromDatabase());
    QCOMPARE(rig.form().inputsPage().row(1).nameField()->text(), QStringLiteral("Edit1"));
    QCOMPARE(rig.form().outputsPage().row(16).nameField()->text(), QStringLiteral("Edit1"));
    QCOMPARE(rig.lineEdit(QStringLiteral("amplifierHostField"))->text(), QString());
    QCOMPARE(rig.form().connectionPage().outputsChoice(), 0);
    QVERIFY(rig.pressOk());
    QCOMPARE(nstRowCount(), 40);
    QCOMPARE(nstRows().value(QStringLiteral("Vystup16En")), (NstRow{QStringLiteral("Edit1"), 0}));
}

void TestDatabaseStore::switchingOffWritesTheNstValuesToTheFile() {
    auto rig = rigWithAddressInNst(true, {QStringLiteral("Vstup3Nzv=Ze souboru")});
    putNst(QStringLiteral("Vstup3En"), QStringLiteral("Z databáze"), 1);
    commit();
    const QMap<QString, NstRow> before = nstRows();
    rig->open();
    clickIndicator(rig->checkBox(QStringLiteral("databaseBox")));
    QVERIFY(!rig->data().usesDatabase());
    QVERIFY(!rig->data().databaseConnected());
    QVERIFY(rig->messages().messages.empty());
    QVERIFY(rig->pressOk());
    QCOMPARE(rig->valueInFile(QStringLiteral("DBChb")), QStringLiteral("0"));
    QCOMPARE(rig->valueInFile(QStringLiteral("Vstup3Nzv")), QStringLiteral("Z databáze"));
    QCOMPARE(rig->valueInFile(QStringLiteral("Vstup3En")), QStringLiteral("1"));
    QCOMPARE(rig->valueInFile(QStringLiteral("IPZesE")), QStringLiteral("127.0.0.1"));
    QCOMPARE(nstRows(), before);
}

void TestDatabaseStore::switchingOffAndOnAgainStillWritesNst() {
    auto rig = rigWithAddressInNst(true);
    rig->open();
    clickIndicator(rig->checkBox(QStringLiteral("databaseBox")));
    QVERIFY(!rig->data().databaseConnected());
    clickIndicator(rig->checkBox(QStringLiteral("databaseBox")));
    QVERIFY(rig->data().databaseConnected());
    rig->form().inputsPage().row(1).nameField()->setText(QStringLiteral("Znovu"));
    QVERIFY(rig->pressOk());
    QCOMPARE(nstRows().value(QStringLiteral("Vstup1En")).text, QStringLiteral("Znovu"));
}

void TestDatabaseStore::switchingOnSavesOnlyTheLocalKeys() {
    SettingsRig rig(testDb_.settingsLines(false) << QStringLiteral("Vstup1Nzv=Ze souboru"));
    rig.open();
    clickIndicator(rig.checkBox(QStringLiteral("databaseBox")));
    QVERIFY(rig.data().databaseConnected()); // the stored details were complete
    QCOMPARE(rig.messages().messages.size(), std::size_t{1});
    rig.form().inputsPage().row(1).nameField()->setText(QStringLiteral("Nikam"));
    QVERIFY(rig.pressOk());
    QVERIFY(rig.data().usesDatabase());
    QCOMPARE(rig.valueInFile(QStringLiteral("DBChb")), QStringLiteral("1"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vstup1Nzv")), QStringLiteral("Ze souboru"));
    QCOMPARE(nstRowCount(), 0);
}

void TestDatabaseStore::unreadDatabaseIsNeverWritten() {
    auto rig = rigWithAddressInNst(true, {QStringLiteral("Vstup2Nzv=Ze souboru")});
    putNst(QStringLiteral("Vstup2En"), QStringLiteral("Z databáze"), 1);
    commit();
    const QMap<QString, NstRow> before = nstRows();
    // The connection is lost before the dialog opens.
    rig->data().database().close();
    rig->open();
    QVERIFY(rig->data().usesDatabase());
    QVERIFY(!rig->form().sharedReadFromDatabase());
    QCOMPARE(rig->form().inputsPage().row(2).nameField()->text(), QStringLiteral("Ze souboru"));
    QVERIFY(QTest::qWaitFor([&] { return !rig->messages().messages.empty(); }, 2000));
    QVERIFY(rig->messages().messages[0].text.contains(QStringLiteral("Orfa.ini")));
    rig->form().inputsPage().row(2).nameField()->setText(QStringLiteral("Přepsat"));
    // OK reconnects, but what the dialog shows never came from the database.
    QVERIFY(rig->pressOk());
    QVERIFY(rig->data().databaseConnected());
    QVERIFY(rig->data().usesDatabase());
    QCOMPARE(rig->messages().messages.size(), std::size_t{1});
    QCOMPARE(nstRows(), before);
    QCOMPARE(rig->valueInFile(QStringLiteral("Vstup2Nzv")), QStringLiteral("Ze souboru"));
}

void TestDatabaseStore::failedSaveIsReported() {
    auto rig = rigWithAddressInNst(true);
    putNst(QStringLiteral("Vstup1En"), QStringLiteral("Stará"), 1);
    commit();
    const QMap<QString, NstRow> before = nstRows();
    rig->open();
    // Another panel is saving and has not committed yet.
    direct_->execute(QStringLiteral("UPDATE NST SET HODNINT = HODNINT WHERE NAZEV = 'Vstup1En'"));
    rig->form().inputsPage().row(1).nameField()->setText(QStringLiteral("Nová"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("not saved to the central database")));
    QVERIFY(rig->pressOk());
    direct_->rollback();
    QCOMPARE(nstRows(), before);
    QCOMPARE(rig->messages().messages.size(), std::size_t{1});
    const auto& message = rig->messages().messages[0];
    QCOMPARE(message.icon, settings::MessageIcon::Error);
    QCOMPARE(message.caption, QStringLiteral("Nastavení"));
    QVERIFY(message.text.startsWith(
        QStringLiteral("Sdílená nastavení se nepodařilo uložit do centrální databáze")));
    QVERIFY(message.text.endsWith(QStringLiteral("Nastavení v databázi zůstalo beze změny.")));
}

// One text longer than HODNTXT holds would make every save fail: the fields take no more while
// the dialog saves to NST, and a longer text typed while the file was the store is refused
// by name.
void TestDatabaseStore::textsLongerThanNstHoldsAreRefused() {
    auto rig = rigWithAddressInNst(true);
    const QMap<QString, NstRow> before = nstRows();
    rig->open();
    const QString longName = QStringLiteral("Český rozhlas Dvojka ").repeated(6);
    QLineEdit* radioName = rig->lineEdit(QStringLiteral("memoryName3"));
    radioName->setText(longName);
    QCOMPARE(radioName->text(), longName.left(100));
    clickIndicator(rig->checkBox(QStringLiteral("databaseBox"))); // off: the file holds more
    radioName->setText(longName);
    QCOMPARE(radioName->text(), longName);
    clickIndicator(rig->checkBox(QStringLiteral("databaseBox")));
    QCOMPARE(radioName->text(), longName);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("not saved to the central database")));
    QVERIFY(rig->pressOk());
    QCOMPARE(nstRows(), before);
    QVERIFY(rig->messages().messages.back().text.contains(
        QStringLiteral("Pole „Jméno paměti 3“ má %1 znaků, databáze pojme nejvýše 100.")
            .arg(longName.size())));
}

void TestDatabaseStore::listsComeFromTheDatabase() {
    const QString stored = users::encryptPassword(QStringLiteral("heslo"), users::passwordKey());
    for (const auto& [id, name, admin] :
         {std::tuple{2, QStringLiteral("Zdeněk"), 0}, std::tuple{5, QStringLiteral("Adam"), 1}})
        direct_->execute(
            QStringLiteral("INSERT INTO UZIV VALUES (%1, %2, %3, '', '', '', %4, 0, 0, "
                           "0, 0, 0, '')")
                .arg(id)
                .arg(test::quoted(name), test::quoted(stored))
                .arg(admin));
    for (const auto& [group, output] : {std::pair{4, 16}, std::pair{1, 5}, std::pair{1, 3}})
        direct_->execute(
            QStringLiteral("INSERT INTO SKUPINY VALUES (%1, %2)").arg(group).arg(output));
    commit();
    SettingsRig rig(testDb_.settingsLines(true));
    rig.data().grantAllRights();
    rig.open();
    const QTableWidget* users = rig.control<QTableWidget>(QStringLiteral("userList"));
    QCOMPARE(users->rowCount(), 2);
    QCOMPARE(cell(users, 0, 0), QStringLiteral("5"));
    QCOMPARE(cell(users, 0, 1), QStringLiteral("Adam"));
    QCOMPARE(cell(users, 0, 2), QStringLiteral("heslo"));
    QCOMPARE(cell(users, 0, 3), QStringLiteral("Ano"));
    QCOMPARE(cell(users, 1, 1), QStringLiteral("Zdeněk"));
    QCOMPARE(cell(users, 1, 3), QString());
    const QTableWidget* groups = rig.control<QTableWidget>(QStringLiteral("groupList"));
    QCOMPARE(groups->rowCount(), 2);
    QCOMPARE(cell(groups, 0, 0), QStringLiteral("1"));
    QCOMPARE(cell(groups, 0, 1), QStringLiteral("3  5"));
    QCOMPARE(cell(groups, 1, 0), QStringLiteral("4"));
    QCOMPARE(cell(groups, 1, 1), QStringLiteral("16"));
}

// A panel that only reads (start-up, names and groups, a user's login, the records the
// editors load, the dialog opened and cancelled) keeps no transaction open, so the oldest
// active transaction of the site's database moves on while the panel keeps running.
void TestDatabaseStore::readsLeaveNoTransactionOpen() {
    direct_->execute(QStringLiteral("INSERT INTO UZIV VALUES (3, 'Novák', '', '', '', '', 1, 0, 1, "
                                    "0, 0, 0, '')"));
    direct_->execute(QStringLiteral("INSERT INTO SKUPINY VALUES (1, 5)"));
    auto rig = rigWithAddressInNst(true);
    config::Database& panel = rig->data().database();
    QVERIFY(rig->data().databaseError().isEmpty());
    QVERIFY(rig->data().readIoNames().has_value());
    rig->data().readSixteenOutputs();
    QVERIFY(rig->data().loadUserRights(QStringLiteral("Novák")));
    QVERIFY(users::UserDatabaseStore(panel).load(3).has_value());
    QCOMPARE(users::GroupDatabaseStore(panel).members(1), std::vector<int>{5});
    rig->open();
    QVERIFY(rig->pressCancel());

    test::TransactionWatch watch(*direct_, panel);
    QCOMPARE(watch.openTransactions(), 0);
    const int mark = watch.latestTransaction();
    QVERIFY(watch.oldestActive() > mark);
}

QTEST_MAIN(TestDatabaseStore)
#include "tst_databasestore.moc"
