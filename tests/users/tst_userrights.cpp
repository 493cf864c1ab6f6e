#include "users/UserRights.h"

#include <QTest>

using namespace orfa::users;

class TestUserRights : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithoutAnyRight();
    void allRightsKeepTheId();
    void flagPositions_data();
    void flagPositions();
    void permittedSources_data();
    void permittedSources();
};

void TestUserRights::startsWithoutAnyRight() {
    const UserRights none = UserRights::noRights();
    for (const QString* f :
         {&none.inputs, &none.enabledInputs, &none.outputs, &none.sourceSwitching}) {
        QCOMPARE(f->size(), 33);
        for (int p = 1; p <= 33; ++p)
            QVERIFY(!flags::allows(*f, p));
    }
    for (int right : {none.administration, none.masterVolume, none.profile, none.radio,
                      none.activatePresets, none.storePresets})
        QVERIFY(!UserRights::granted(right));
    QCOMPARE(none.userId, 0);
}

void TestUserRights::allRightsKeepTheId() {
    UserRights userRights = UserRights::noRights();
    userRights.userId = 7;
    userRights.name = QStringLiteral("Žofie");
    userRights.password = QStringLiteral("tajné");
    grantAllRights(userRights);
    QCOMPARE(userRights.userId, 7);
    QVERIFY(userRights.name.isEmpty());
    QVERIFY(userRights.password.isEmpty());
    for (const QString* f : {&userRights.inputs, &userRights.enabledInputs, &userRights.outputs,
                             &userRights.sourceSwitching}) {
        for (int p = 1; p <= 26; ++p)
            QVERIFY2(flags::hasOwnLetter(*f, p), qPrintable(QString::number(p)));
        QVERIFY(!flags::allows(*f, 27));
    }
    for (int right : {userRights.administration, userRights.masterVolume, userRights.profile,
                      userRights.radio, userRights.activatePresets, userRights.storePresets})
        QVERIFY(UserRights::granted(right));
    QVERIFY(!UserRights::granted(2));
    QVERIFY(!UserRights::granted(-1));
}

void TestUserRights::flagPositions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("allows");
    QTest::addColumn<bool>("ownLetter");
    QTest::newRow("own letter") << QStringLiteral("0B0") << 2 << true << true;
    QTest::newRow("zero") << QStringLiteral("0B0") << 1 << false << false;
    QTest::newRow("other char grants, not own letter") << QStringLiteral("1") << 1 << true << false;
    QTest::newRow("letter of another position") << QStringLiteral("B") << 1 << true << false;
    QTest::newRow("beyond the end") << QStringLiteral("AB") << 3 << false << false;
    QTest::newRow("empty text") << QString() << 1 << false << false;
    QTest::newRow("position 0") << QStringLiteral("A") << 0 << false << false;
    QTest::newRow("position 20 is T")
        << QStringLiteral("0000000000000000000T") << 20 << true << true;
}

void TestUserRights::flagPositions() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(bool, allows);
    QFETCH(bool, ownLetter);
    QCOMPARE(flags::allows(text, position), allows);
    QCOMPARE(flags::hasOwnLetter(text, position), ownLetter);
}

void TestUserRights::permittedSources_data() {
    QTest::addColumn<QString>("vstupy");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ten characters only")
        << QStringLiteral("ABCDEFGHIJ") << QStringLiteral("000000000000");
    QTest::newRow("27 characters")
        << QStringLiteral("ABCDEFGHIJK0MNOPQRST0000000") << QStringLiteral("K0MNOPQRST00");
    QTest::newRow("longer than 20")
        << QStringLiteral("0000000000KLMNOPQRSTUV") << QStringLiteral("KLMNOPQRSTUV");
    QTest::newRow("empty") << QString() << QStringLiteral("000000000000");
}

void TestUserRights::permittedSources() {
    QFETCH(QString, vstupy);
    QFETCH(QString, expected);
    UserRights userRights = UserRights::noRights();
    userRights.inputs = vstupy;
    userRights.deriveEnabledInputs();
    QCOMPARE(userRights.enabledInputs, expected);
    // Source i as a source is input-rights position 10 + i.
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(flags::allows(userRights.enabledInputs, i), flags::allows(vstupy, 10 + i));
}

QTEST_APPLESS_MAIN(TestUserRights)
#include "tst_userrights.moc"
