// The login at start: automatic login from the command line, the dialog's OK and Stormo,
// "LastLogin", and the data module's start-up with the central database (its login flag
// and what happens when it cannot be reached).
#include "config/Database.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "data/DataModule.h"
#include "panel/DatabaseUnreachableMessage.h"
#include "panel/LoginAtStart.h"
#include "panel/LoginForm.h"
#include "support/ClosedPort.h"
#include "support/ReferenceCipher.h"
#include "support/TestDatabase.h"
#include "support/WriteSettingsFile.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orfa;

namespace {

// Users of the settings file: Petr/Heslo1 (all rights but presets), Jana with an empty
// password, and a deleted record.
QStringList fileUsers() {
    return {QStringLiteral("MaxIDUziv=3"),
            QStringLiteral("Uziv_1_Jmeno=Petr"),
            QStringLiteral("Uziv_1_Heslo=") + test::storedPassword(QStringLiteral("Heslo1")),
            QStringLiteral("Uziv_1_Vstupy=ABCDEFGHIJKLMNOPQRST"),
            QStringLiteral("Uziv_1_Administrace=1"),
            QStringLiteral("Uziv_2_Jmeno=Jana"),
            QStringLiteral("Uziv_3_Jmeno="),
            QStringLiteral("Uziv_3_Heslo=") + test::storedPassword(QStringLiteral("x")),
            QStringLiteral("LastLogin=Predtim")};
}

// A settings directory with its data module.
class Rig {
public:
    explicit Rig(const QStringList& lines) {
        test::writeSettingsFile(dir_.path(), lines);
        data_ = std::make_unique<data::DataModule>(dir_.path());
    }
    data::DataModule& data() { return *data_; }
    QString lastLogin() { return data_->settings().readText(config::keys::LastLogin); }
    QString settingsPath() const { return dir_.filePath(QStringLiteral("Orfa.ini")); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<data::DataModule> data_;
};

// Shows the dialog without blocking and lets posted events run once.
void showAndSettle(panel::LoginForm& form) {
    form.open();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

QStringList databaseLines(const config::DatabaseLogin& login) {
    return {QStringLiteral("DBChb=1"),
            QStringLiteral("DBIPE=") + login.host,
            QStringLiteral("DBPortE=") + login.port,
            QStringLiteral("DBCestaE=") + login.path,
            QStringLiteral("DBLoginE=") + login.user,
            QStringLiteral("DBHesloE=") + login.password.toUpper()};
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogMasksThePasswordAndOffersTheLastName();
    void automaticLogin_data();
    void automaticLogin();
    void okChecksTheTypedNameAndPassword_data();
    void okChecksTheTypedNameAndPassword();
    void cancelEscapeAndCloseBoxFail_data();
    void cancelEscapeAndCloseBoxFail();
    void loginAtStartReportsTheOutcome();

    void databaseSuppliesAddressLoginFlagAndUsers();
    void unreachableDatabaseMeansNoRightsAndNoLogin();
};

void TestLogin::dialogMasksThePasswordAndOffersTheLastName() {
    Rig rig(fileUsers());
    panel::LoginForm form(rig.data());
    QCOMPARE(form.windowTitle(), QStringLiteral("Orfa"));
    QCOMPARE(form.passwordEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(form.okButton()->text(), QStringLiteral("&OK"));
    QVERIFY(form.okButton()->isDefault());
    QCOMPARE(form.cancelButton()->text(), QStringLiteral("&Stormo"));
    QCOMPARE(form.nameEdit()->accessibleName(), QStringLiteral("Uživatelské jméno"));
    QCOMPARE(form.passwordEdit()->accessibleName(), QStringLiteral("Heslo"));
    showAndSettle(form);
    // The last name is offered, so the password is what is left to type.
    QCOMPARE(form.nameEdit()->text(), QStringLiteral("Predtim"));
    QCOMPARE(form.focusWidget(), form.passwordEdit());
    form.reject();
}

void TestLogin::automaticLogin_data() {
    QTest::addColumn<QString>("param1");
    QTest::addColumn<QString>("param2");
    QTest::addColumn<bool>("closesByItself");
    QTest::addColumn<QString>("loaded"); // rights().name afterwards
    QTest::newRow("right") << QStringLiteral("Petr") << QStringLiteral("Heslo1") << true
                           << QStringLiteral("Petr");
    QTest::newRow("password in other case")
        << QStringLiteral("Petr") << QStringLiteral("HESLO1") << true << QStringLiteral("Petr");
    QTest::newRow("wrong password")
        << QStringLiteral("Petr") << QStringLiteral("heslo2") << false << QStringLiteral("Petr");
    QTest::newRow("name in other case")
        << QStringLiteral("petr") << QStringLiteral("Heslo1") << false << QString();
    QTest::newRow("only a name") << QStringLiteral("Petr") << QString() << false
                                 << QStringLiteral("Petr");
    QTest::newRow("empty password never logs in automatically")
        << QStringLiteral("Jana") << QString() << false << QStringLiteral("Jana");
    QTest::newRow("no parameters") << QString() << QString() << false << QString();
}

void TestLogin::automaticLogin() {
    QFETCH(QString, param1);
    QFETCH(QString, param2);
    QFETCH(bool, closesByItself);
    QFETCH(QString, loaded);
    Rig rig(fileUsers());
    panel::LoginForm form(rig.data());
    form.setCommandLineLogin(param1, param2);
    showAndSettle(form);
    QCOMPARE(form.isVisible(), !closesByItself);
    QCOMPARE(form.failed(), !closesByItself);
    QCOMPARE(rig.data().rights().name, loaded);
    if (closesByItself) {
        QCOMPARE(rig.data().rights().administration, 1);
        // Written at the close: the name that was offered, not parameter 1.
        QCOMPARE(rig.lastLogin(), QStringLiteral("Predtim"));
    } else {
        form.reject();
    }
}

void TestLogin::okChecksTheTypedNameAndPassword_data() {
    QTest::addColumn<QString>("param1"); // loaded before the operator types
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("right") << QString() << QStringLiteral("Petr") << QStringLiteral("Heslo1")
                           << true << QStringLiteral("Petr");
    QTest::newRow("password in other case")
        << QString() << QStringLiteral("Petr") << QStringLiteral("hESLO1") << true
        << QStringLiteral("Petr");
    QTest::newRow("wrong password") << QString() << QStringLiteral("Petr")
                                    << QStringLiteral("Heslo") << false << QStringLiteral("Petr");
    QTest::newRow("unknown user") << QString() << QStringLiteral("Karel")
                                  << QStringLiteral("Heslo1") << false << QString();
    // The lookup finds nothing; the comparison runs against the record loaded before.
    QTest::newRow("name in other case after parameter 1")
        << QStringLiteral("Petr") << QStringLiteral("PETR") << QStringLiteral("Heslo1") << true
        << QStringLiteral("Petr");
    // The initial record has an empty name and password: a login without any rights.
    QTest::newRow("empty name and password")
        << QString() << QString() << QString() << true << QString();
}

void TestLogin::okChecksTheTypedNameAndPassword() {
    QFETCH(QString, param1);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, success);
    QFETCH(QString, loaded);
    Rig rig(fileUsers());
    panel::LoginForm form(rig.data());
    form.setCommandLineLogin(param1, QString());
    showAndSettle(form);
    QVERIFY(form.isVisible());
    form.nameEdit()->clear();
    QTest::keyClicks(form.nameEdit(), name);
    QTest::keyClicks(form.passwordEdit(), password);
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    QVERIFY(!form.isVisible()); // one attempt only
    QCOMPARE(form.failed(), !success);
    QCOMPARE(rig.data().rights().name, loaded);
    QCOMPARE(rig.lastLogin(), name);
    if (success && loaded.isEmpty())
        QCOMPARE(rig.data().rights(), users::UserRights::noRights());
}

void TestLogin::cancelEscapeAndCloseBoxFail_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Stormo") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestLogin::cancelEscapeAndCloseBoxFail() {
    QFETCH(int, how);
    Rig rig(fileUsers());
    panel::LoginForm form(rig.data());
    showAndSettle(form);
    form.nameEdit()->setText(QStringLiteral("Petr"));
    form.passwordEdit()->setText(QStringLiteral("Heslo1")); // right, but not confirmed
    if (how == 0)
        QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(&form, Qt::Key_Escape);
    else
        form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(form.failed());
    QCOMPARE(rig.lastLogin(), QStringLiteral("Petr"));
}

void TestLogin::loginAtStartReportsTheOutcome() {
    Rig rig(fileUsers());
    // The right parameters need no hand.
    QCOMPARE(panel::runLoginAtStart(
                 rig.data(),
                 {QStringLiteral("Petr"), QStringLiteral("Heslo1"), QStringLiteral("extra")},
                 nullptr),
             false);
    QCOMPARE(rig.data().rights().name, QStringLiteral("Petr"));

    // A wrong password waits for the operator, who gives up: the program must end.
    bool clicked = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* form = qobject_cast<panel::LoginForm*>(QApplication::activeModalWidget());
        if (form != nullptr && !clicked) {
            clicked = true;
            QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
        }
    });
    poll.start(10);
    QCOMPARE(
        panel::runLoginAtStart(rig.data(), {QStringLiteral("Petr"), QStringLiteral("x")}, nullptr),
        true);
    QVERIFY(clicked);
}

void TestLogin::databaseSuppliesAddressLoginFlagAndUsers() {
    test::TestDatabase testDb;
    ORFA_REQUIRE_TEST_DATABASE(testDb);
    config::Database fixture;
    QVERIFY2(fixture.open(testDb.login()), qPrintable(fixture.lastError()));
    test::TestDatabase::clearTables(fixture);
    fixture.execute(QStringLiteral("INSERT INTO NST VALUES (1, 'IPZesE', '192.0.2.44', 0)"));
    fixture.execute(QStringLiteral("INSERT INTO NST VALUES (2, 'PortZesE', '7123', 0)"));
    fixture.execute(QStringLiteral("INSERT INTO NST VALUES (3, 'LoginChb', '', 1)"));
    fixture.execute(QStringLiteral("INSERT INTO UZIV VALUES (1, 'O''Neil', '%1', 'A', 'B', 'C', "
                                   "1, 0, 0, 0, 0, 0, '00000000000000000000000000')")
                        .arg(test::storedPassword(QStringLiteral("žluťoučký"))));
    fixture.execute(QStringLiteral("commit"));

    // The file's own shared keys are not looked at while the database is in use.
    QStringList lines = databaseLines(testDb.login());
    lines << QStringLiteral("IPZesE=10.9.9.9") << QStringLiteral("LoginChb=0")
          << QStringLiteral("MaxIDUziv=1") << QStringLiteral("Uziv_1_Jmeno=O'Neil");
    Rig rig(lines);
    QVERIFY(rig.data().usesDatabase());
    QVERIFY2(rig.data().databaseConnected(), qPrintable(rig.data().databaseError()));
    QVERIFY(rig.data().databaseError().isEmpty());
    QCOMPARE(rig.data().link().host(), QStringLiteral("192.0.2.44"));
    QCOMPARE(rig.data().link().port(), QStringLiteral("7123"));
    QVERIFY(rig.data().loginAtStart());

    QCOMPARE(panel::runLoginAtStart(
                 rig.data(), {QStringLiteral("O'Neil"), QStringLiteral("ŽLUŤOUČKÝ")}, nullptr),
             false);
    QCOMPARE(rig.data().rights().userId, 1);
    QCOMPARE(rig.data().rights().sourceSwitching, QStringLiteral("C"));
}

void TestLogin::unreachableDatabaseMeansNoRightsAndNoLogin() {
    config::DatabaseLogin login{QStringLiteral("127.0.0.1"), QString::number(closedLoopbackPort()),
                                QStringLiteral("/srv/orfa.fdb"), QStringLiteral("orfa"),
                                QStringLiteral("x")};
    QStringList lines = databaseLines(login);
    lines << QStringLiteral("IPZesE=10.9.9.9") << QStringLiteral("LoginChb=1")
          << QStringLiteral("ProdlevaE=300") << fileUsers();
    Rig rig(lines);
    data::DataModule& data = rig.data();
    QVERIFY(data.usesDatabase());
    QVERIFY(!data.databaseConnected());
    QVERIFY(!data.databaseError().isEmpty());
    QVERIFY(!data.loginAtStart());
    QCOMPARE(data.link().host(), QString());
    QCOMPARE(data.link().sendDelay(), quint16{300});
    QCOMPARE(data.rights(), users::UserRights::noRights());
    // No store answers: nobody is found, and the rights stay none.
    QVERIFY(!data.loadUserRights(QStringLiteral("Petr")));
    QCOMPARE(data.rights(), users::UserRights::noRights());
    QVERIFY(!data.readIoNames().has_value());
    QVERIFY(!data.readSixteenOutputs());

    const QString message =
        panel::DatabaseUnreachableMessage::text(data.databaseError(), rig.settingsPath());
    QVERIFY(message.contains(data.databaseError().trimmed()));
    QVERIFY(message.contains(rig.settingsPath()));
    QVERIFY(message.contains(QStringLiteral("DBChb=0")));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
