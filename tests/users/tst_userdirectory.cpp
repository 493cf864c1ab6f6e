// Finding a user's record by name in the settings file and in the central database, and the
// login that checks a name and password against it.
// Stored passwords are made with the reference cipher; database rows are put in with
// plain SQL over a second connection.
#include "config/Database.h"
#include "config/DatabaseError.h"
#include "config/SettingsFile.h"
#include "support/ReferenceCipher.h"
#include "support/SqlText.h"
#include "support/TestDatabase.h"
#include "support/WriteSettingsFile.h"
#include "users/Login.h"
#include "users/PasswordCipher.h"
#include "users/UserDirectory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace orfa;
using users::LoginFailure;
using users::UserDirectory;
using users::UserRights;

namespace {

// A settings file in a directory of its own.
class IniDir {
public:
    explicit IniDir(const QStringList& lines) {
        test::writeSettingsFile(dir_.path(), lines);
        settings_ = std::make_unique<config::SettingsFile>(dir_.path());
    }
    const config::SettingsFile& settings() const { return *settings_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<config::SettingsFile> settings_;
};

void putUser(config::Database& db, int id, const QString& name, const QString& password,
             const QString& inputs = QStringLiteral("ABCDEFGHIJKLMNOPQRST0000000"),
             int administration = 1) {
    db.execute(QStringLiteral("INSERT INTO UZIV VALUES (%1, %2, %3, %4, 'AB00', 'A0C0', %5, 1, 0, "
                              "1, 0, 1, '00000000000000000000000000')")
                   .arg(id)
                   .arg(test::quoted(name), test::quoted(test::storedPassword(password)),
                        test::quoted(inputs))
                   .arg(administration));
}

// A LoginFailure as a test column: -1 for a login.
int failureCode(const users::LoginResult& result) {
    return result.failure ? static_cast<int>(*result.failure) : -1;
}

} // namespace

class TestUserDirectory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileLookupRules_data();
    void fileLookupRules();
    void fileRecordIsLoadedWhole();
    void databaseLookup_data();
    void databaseLookup();
    void databaseRecordIsLoadedWhole();
    void storeFollowsUseDB();
    void fileLogin_data();
    void fileLogin();
    void databaseLogin_data();
    void databaseLogin();
    void loginWhenTheDatabaseFails();
};

void TestUserDirectory::fileLookupRules_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id"); // 0: not found
    const QStringList three{QStringLiteral("MaxIDUziv=3"), QStringLiteral("Uziv_1_Jmeno=Petr"),
                            QStringLiteral("Uziv_2_Jmeno=Jana"),
                            QStringLiteral("Uziv_3_Jmeno=Petr")};
    QTest::newRow("highest ID of equal names") << three << QStringLiteral("Petr") << 3;
    QTest::newRow("single") << three << QStringLiteral("Jana") << 2;
    QTest::newRow("letter case counts") << three << QStringLiteral("petr") << 0;
    QTest::newRow("no such name") << three << QStringLiteral("Karel") << 0;
    QTest::newRow("beyond MaxIDUziv")
        << QStringList{QStringLiteral("MaxIDUziv=1"), QStringLiteral("Uziv_2_Jmeno=Jana")}
        << QStringLiteral("Jana") << 0;
    QTest::newRow("no MaxIDUziv") << QStringList{QStringLiteral("Uziv_1_Jmeno=Jana")}
                                  << QStringLiteral("Jana") << 0;
    QTest::newRow("negative MaxIDUziv")
        << QStringList{QStringLiteral("MaxIDUziv=-4"), QStringLiteral("Uziv_1_Jmeno=Jana")}
        << QStringLiteral("Jana") << 0;
    QTest::newRow("deleted record keeps its keys")
        << QStringList{QStringLiteral("MaxIDUziv=2"), QStringLiteral("Uziv_1_Jmeno=Jana"),
                       QStringLiteral("Uziv_2_Jmeno="), QStringLiteral("Uziv_2_Heslo=x")}
        << QStringLiteral("Jana") << 1;
    QTest::newRow("empty name never matches a deleted record")
        << QStringList{QStringLiteral("MaxIDUziv=2"), QStringLiteral("Uziv_2_Jmeno=")} << QString()
        << 0;
    QTest::newRow("czech name") << QStringList{QStringLiteral("MaxIDUziv=1"),
                                               QStringLiteral("Uziv_1_Jmeno=Jiří Čížek")}
                                << QStringLiteral("Jiří Čížek") << 1;
}

void TestUserDirectory::fileLookupRules() {
    QFETCH(QStringList, lines);
    QFETCH(QString, name);
    QFETCH(int, id);
    IniDir ini(lines);
    const std::optional<UserRights> found = UserDirectory::findInFile(ini.settings(), name);
    QCOMPARE(found.has_value(), id != 0);
    if (found)
        QCOMPARE(found->userId, id);
}

void TestUserDirectory::fileRecordIsLoadedWhole() {
    IniDir ini(
        {QStringLiteral("MaxIDUziv=2"), QStringLiteral("Uziv_2_Jmeno=Eva"),
         QStringLiteral("Uziv_2_Heslo=") + test::storedPassword(QStringLiteral("Tajné'heslo")),
         QStringLiteral("Uziv_2_Vstupy=A0C0000000KLM0000000000"),
         QStringLiteral("Uziv_2_Vystupy=AB"), QStringLiteral("Uziv_2_Matice=0B"),
         QStringLiteral("Uziv_2_Administrace=1"),
         // The volume right's key has no '_' before "Hlasitost".
         QStringLiteral("Uziv_2Hlasitost=1"), QStringLiteral("Uziv_2_Profil=2"),
         QStringLiteral("Uziv_2_AktivacePredvoleb=1")});
    const std::optional<UserRights> found =
        UserDirectory::findInFile(ini.settings(), QStringLiteral("Eva"));
    QVERIFY(found);
    QCOMPARE(found->name, QStringLiteral("Eva"));
    QCOMPARE(found->password, QStringLiteral("Tajné'heslo"));
    QCOMPARE(found->inputs, QStringLiteral("A0C0000000KLM0000000000"));
    QCOMPARE(found->enabledInputs, QStringLiteral("KLM000000000"));
    QCOMPARE(found->outputs, QStringLiteral("AB"));
    QCOMPARE(found->sourceSwitching, QStringLiteral("0B"));
    QCOMPARE(found->administration, 1);
    QCOMPARE(found->masterVolume, 1);
    QCOMPARE(found->profile, 2);
    QCOMPARE(found->radio, 0);
    QCOMPARE(found->activatePresets, 1);
    QCOMPARE(found->storePresets, 0);

    IniDir underscore({QStringLiteral("MaxIDUziv=1"), QStringLiteral("Uziv_1_Jmeno=Eva"),
                       QStringLiteral("Uziv_1_Hlasitost=1"),
                       QStringLiteral("Uziv_1_Heslo=neni-base64")});
    const auto other = UserDirectory::findInFile(underscore.settings(), QStringLiteral("Eva"));
    QVERIFY(other);
    QCOMPARE(other->masterVolume, 0);
    QCOMPARE(other->password, QString()); // an unreadable stored form is an empty password
    QCOMPARE(other->enabledInputs, QString(12, QLatin1Char('0')));
}

void TestUserDirectory::databaseLookup_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id"); // 0: not found
    QTest::newRow("exact") << QStringLiteral("Petr") << 1;
    QTest::newRow("apostrophe") << QStringLiteral("O'Neil") << 2;
    QTest::newRow("czech") << QStringLiteral("Jiří Čížek") << 3;
    QTest::newRow("pattern") << QStringLiteral("Ji%") << 3;
    QTest::newRow("one-letter pattern") << QStringLiteral("O_Neil") << 2;
    QTest::newRow("letter case counts") << QStringLiteral("petr") << 0;
    QTest::newRow("not there") << QStringLiteral("Karel") << 0;
    QTest::newRow("quote that would end a literal") << QStringLiteral("x' OR '1'='1") << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestUserDirectory::databaseLookup() {
    QFETCH(QString, name);
    QFETCH(int, id);
    test::TestDatabase testDb;
    ORFA_REQUIRE_TEST_DATABASE(testDb);
    config::Database fixture;
    QVERIFY2(fixture.open(testDb.login()), qPrintable(fixture.lastError()));
    test::TestDatabase::clearTables(fixture);
    putUser(fixture, 1, QStringLiteral("Petr"), QStringLiteral("a"));
    putUser(fixture, 2, QStringLiteral("O'Neil"), QStringLiteral("b"));
    putUser(fixture, 3, QStringLiteral("Jiří Čížek"), QStringLiteral("c"));
    fixture.execute(QStringLiteral("commit"));

    config::Database db;
    QVERIFY2(db.open(testDb.login()), qPrintable(db.lastError()));
    const std::optional<UserRights> found = UserDirectory::findInDatabase(db, name);
    QCOMPARE(found.has_value(), id != 0);
    if (found)
        QCOMPARE(found->userId, id);
}

void TestUserDirectory::databaseRecordIsLoadedWhole() {
    test::TestDatabase testDb;
    ORFA_REQUIRE_TEST_DATABASE(testDb);
    config::Database fixture;
    QVERIFY2(fixture.open(testDb.login()), qPrintable(fixture.lastError()));
    test::TestDatabase::clearTables(fixture);
    putUser(fixture, 7, QStringLiteral("Žofie"), QStringLiteral("Heslo 100% 'ok'"),
            QStringLiteral("ABC0000000KL00000000000000"), 1);
    fixture.execute(QStringLiteral("INSERT INTO UZIV (ID, JMENO) VALUES (8, 'Prazdny')"));
    fixture.execute(QStringLiteral("commit"));

    config::Database db;
    QVERIFY2(db.open(testDb.login()), qPrintable(db.lastError()));
    auto found = UserDirectory::findInDatabase(db, QStringLiteral("Žofie"));
    QVERIFY(found);
    QCOMPARE(found->userId, 7);
    QCOMPARE(found->name, QStringLiteral("Žofie"));
    QCOMPARE(found->password, QStringLiteral("Heslo 100% 'ok'"));
    QCOMPARE(found->inputs, QStringLiteral("ABC0000000KL00000000000000"));
    QCOMPARE(found->enabledInputs, QStringLiteral("KL0000000000"));
    QCOMPARE(found->outputs, QStringLiteral("AB00"));
    QCOMPARE(found->sourceSwitching, QStringLiteral("A0C0"));
    QCOMPARE(found->administration, 1);
    QCOMPARE(found->masterVolume, 1);
    QCOMPARE(found->profile, 0);
    QCOMPARE(found->radio, 1);
    QCOMPARE(found->activatePresets, 0);
    QCOMPARE(found->storePresets, 1);

    // NULL columns read as empty texts and zeros.
    found = UserDirectory::findInDatabase(db, QStringLiteral("Prazdny"));
    QVERIFY(found);
    QCOMPARE(found->password, QString());
    QCOMPARE(found->inputs, QString());
    QCOMPARE(found->administration, 0);
}

void TestUserDirectory::storeFollowsUseDB() {
    IniDir ini({QStringLiteral("MaxIDUziv=1"), QStringLiteral("Uziv_1_Jmeno=Eva")});
    config::Database disconnected;
    const UserDirectory directory(ini.settings(), disconnected);
    QVERIFY(directory.find(QStringLiteral("Eva"), false));
    // The database is asked, and it cannot answer.
    QVERIFY_THROWS_EXCEPTION(config::DatabaseError, directory.find(QStringLiteral("Eva"), true));
}

void TestUserDirectory::fileLogin_data() {
    QTest::addColumn<QString>("held"); // the user logged in before; empty: nobody
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("failure"); // a LoginFailure, -1 for a login
    QTest::addColumn<QString>("rightsOf");
    const int unknown = static_cast<int>(LoginFailure::UnknownUser);
    const int wrong = static_cast<int>(LoginFailure::WrongPassword);
    const QString petr = QStringLiteral("Petr");
    QTest::newRow("right") << QString() << petr << QStringLiteral("Heslo1") << -1 << petr;
    QTest::newRow("password in other letters")
        << QString() << petr << QStringLiteral("hESLO1") << -1 << petr;
    // The record found is held after a wrong password too.
    QTest::newRow("wrong password")
        << QString() << petr << QStringLiteral("Heslo") << wrong << petr;
    QTest::newRow("unknown user") << QString() << QStringLiteral("Karel")
                                  << QStringLiteral("Heslo1") << unknown << QString();
    QTest::newRow("name in other letters: the file finds nobody")
        << QString() << QStringLiteral("PETR") << QStringLiteral("Heslo1") << unknown << QString();
    QTest::newRow("name in other letters of the user held")
        << petr << QStringLiteral("PETR") << QStringLiteral("Heslo1") << -1 << petr;
    QTest::newRow("empty password")
        << QString() << QStringLiteral("Jana") << QString() << -1 << QStringLiteral("Jana");
    QTest::newRow("nothing given before anyone logged in")
        << QString() << QString() << QString() << -1 << QString();
}

void TestUserDirectory::fileLogin() {
    QFETCH(QString, held);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, failure);
    QFETCH(QString, rightsOf);
    IniDir ini({QStringLiteral("MaxIDUziv=2"), QStringLiteral("Uziv_1_Jmeno=Petr"),
                QStringLiteral("Uziv_1_Heslo=") + test::storedPassword(QStringLiteral("Heslo1")),
                QStringLiteral("Uziv_1_Administrace=1"), QStringLiteral("Uziv_2_Jmeno=Jana")});
    config::Database disconnected;
    const UserDirectory directory(ini.settings(), disconnected);
    const UserRights before =
        held.isEmpty() ? UserRights::noRights() : *UserDirectory::findInFile(ini.settings(), held);
    const users::LoginResult result = users::logIn(directory, false, name, password, before);
    QCOMPARE(failureCode(result), failure);
    QCOMPARE(result.rights.name, rightsOf);
    if (rightsOf.isEmpty())
        QCOMPARE(result.rights, UserRights::noRights());
}

void TestUserDirectory::databaseLogin_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("heldId"); // the record held afterwards
    const QString oNeil = QStringLiteral("O'Neil");
    QTest::newRow("right") << oNeil << QStringLiteral("žluťoučký") << -1 << 4;
    QTest::newRow("password in other letters") << oNeil << QStringLiteral("ŽLUŤOUČKÝ") << -1 << 4;
    QTest::newRow("wrong password") << oNeil << QStringLiteral("zlutoucky")
                                    << static_cast<int>(LoginFailure::WrongPassword) << 4;
    QTest::newRow("unknown user") << QStringLiteral("Karel") << QStringLiteral("žluťoučký")
                                  << static_cast<int>(LoginFailure::UnknownUser) << 0;
    // LIKE finds the record, but the name given is not its name.
    QTest::newRow("pattern") << QStringLiteral("O%") << QStringLiteral("žluťoučký")
                             << static_cast<int>(LoginFailure::UnknownUser) << 4;
}

void TestUserDirectory::databaseLogin() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, failure);
    QFETCH(int, heldId);
    test::TestDatabase testDb;
    ORFA_REQUIRE_TEST_DATABASE(testDb);
    config::Database fixture;
    QVERIFY2(fixture.open(testDb.login()), qPrintable(fixture.lastError()));
    test::TestDatabase::clearTables(fixture);
    putUser(fixture, 4, QStringLiteral("O'Neil"), QStringLiteral("žluťoučký"));
    fixture.execute(QStringLiteral("commit"));

    // The file's record of the same name is not looked at.
    IniDir ini({QStringLiteral("MaxIDUziv=1"), QStringLiteral("Uziv_1_Jmeno=Karel")});
    config::Database db;
    QVERIFY2(db.open(testDb.login()), qPrintable(db.lastError()));
    const users::LoginResult result = users::logIn(UserDirectory(ini.settings(), db), true, name,
                                                   password, UserRights::noRights());
    QCOMPARE(failureCode(result), failure);
    QCOMPARE(result.rights.userId, heldId);
}

void TestUserDirectory::loginWhenTheDatabaseFails() {
    IniDir ini({QStringLiteral("MaxIDUziv=1"), QStringLiteral("Uziv_1_Jmeno=Eva")});
    config::Database disconnected;
    const UserDirectory directory(ini.settings(), disconnected);
    UserRights held = UserRights::noRights();
    held.name = QStringLiteral("Eva");
    const users::LoginResult refused =
        users::logIn(directory, true, QStringLiteral("Eva"), QStringLiteral("x"), held);
    QCOMPARE(failureCode(refused), static_cast<int>(LoginFailure::StoreFailed));
    QCOMPARE(refused.rights, held);
    // The record held still takes its own name and password.
    QVERIFY(users::logIn(directory, true, QStringLiteral("eva"), QString(), held).loggedIn());
}

QTEST_GUILESS_MAIN(TestUserDirectory)
#include "tst_userdirectory.moc"
