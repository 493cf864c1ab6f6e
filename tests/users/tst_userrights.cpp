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
    const TUzivPrava none = TUzivPrava::noRights();
    for (const QString* f : {&none.Vstupy, &none.VstupyEN, &none.Vystupy, &none.Matice}) {
        QCOMPARE(f->size(), 33);
        for (int p = 1; p <= 33; ++p)
            QVERIFY(!flags::allows(*f, p));
    }
    for (int right : {none.Administrace, none.Hlasitost, none.Profil, none.Radio,
                      none.AktivacePredvoleb, none.UlozeniPredvoleb})
        QVERIFY(!TUzivPrava::granted(right));
    QCOMPARE(none.IDUZiv, 0);
}

void TestUserRights::allRightsKeepTheId() {
    TUzivPrava prava = TUzivPrava::noRights();
    prava.IDUZiv = 7;
    prava.Jmeno = QStringLiteral("Žofie");
    prava.Heslo = QStringLiteral("tajné");
    NastavVseUzivPrava(prava);
    QCOMPARE(prava.IDUZiv, 7);
    QVERIFY(prava.Jmeno.isEmpty());
    QVERIFY(prava.Heslo.isEmpty());
    for (const QString* f : {&prava.Vstupy, &prava.VstupyEN, &prava.Vystupy, &prava.Matice}) {
        for (int p = 1; p <= 26; ++p)
            QVERIFY2(flags::hasOwnLetter(*f, p), qPrintable(QString::number(p)));
        QVERIFY(!flags::allows(*f, 27));
    }
    for (int right : {prava.Administrace, prava.Hlasitost, prava.Profil, prava.Radio,
                      prava.AktivacePredvoleb, prava.UlozeniPredvoleb})
        QVERIFY(TUzivPrava::granted(right));
    QVERIFY(!TUzivPrava::granted(2));
    QVERIFY(!TUzivPrava::granted(-1));
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
    TUzivPrava prava = TUzivPrava::noRights();
    prava.Vstupy = vstupy;
    prava.deriveVstupyEN();
    QCOMPARE(prava.VstupyEN, expected);
    // Source i as a source is input-rights position 10 + i.
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(flags::allows(prava.VstupyEN, i), flags::allows(vstupy, 10 + i));
}

QTEST_APPLESS_MAIN(TestUserRights)
#include "tst_userrights.moc"
