// The settings dialog with the settings file as the store of the shared settings: what it
// shows when it opens, what OK writes (and in which order), and that Cancel writes nothing.
#include "settings/ConnectionPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/OutputsNamesPage.h"
#include "settings/support/SettingsRig.h"
#include "users/PasswordCipher.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

using namespace orfa;

class TestFileStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingKeysShowTheirDefaults();
    void okWritesEveryKeyInItsOrder();
    void savedValuesComeBack();
    void outputsChoice_data();
    void outputsChoice();
    void cancelWritesNothing();
    void refusedWriteIsReportedAndStillClosesWithOk();
    void listsComeFromTheFile();
    void emptyListsKeepOneEmptyRow();
};

namespace {

QStringList expectedKeyOrder() {
    QStringList keys{
        QStringLiteral("DBChb"),      QStringLiteral("DBIPE"),       QStringLiteral("DBPortE"),
        QStringLiteral("DBCestaE"),   QStringLiteral("DBLoginE"),    QStringLiteral("DBHesloE"),
        QStringLiteral("SysTrayChb"), QStringLiteral("MinimizeChb"), QStringLiteral("ProdlevaE"),
        QStringLiteral("IPZesE"),     QStringLiteral("HesloZesE"),   QStringLiteral("PortZesE"),
        QStringLiteral("LoginChb"),   QStringLiteral("VstupyRG")};
    for (int i = 1; i <= 10; ++i)
        keys << QStringLiteral("Vstup%1En").arg(i) << QStringLiteral("Vstup%1Nzv").arg(i);
    for (int j = 1; j <= 16; ++j)
        keys << QStringLiteral("Vystup%1En").arg(j) << QStringLiteral("Vystup%1Nzv").arg(j);
    for (int k = 1; k <= 9; ++k)
        keys << QStringLiteral("RadioJmeno%1").arg(k);
    return keys;
}

} // namespace

void TestFileStore::missingKeysShowTheirDefaults() {
    SettingsRig rig({}, false);
    rig.open();
    QVERIFY(!rig.checkBox(QStringLiteral("databaseBox"))->isChecked());
    QVERIFY(!rig.data().usesDatabase());
    QCOMPARE(rig.lineEdit(QStringLiteral("sendDelayField"))->text(), QStringLiteral("800"));
    QCOMPARE(rig.lineEdit(QStringLiteral("amplifierHostField"))->text(), QString());
    QCOMPARE(rig.form().connectionPage().outputsChoice(), 0);
    for (int i = 1; i <= 10; ++i) {
        const auto& row = rig.form().inputsPage().row(i);
        QCOMPARE(row.nameField()->text(), QStringLiteral("Vstup %1").arg(i));
        QVERIFY(!row.checkBox()->isChecked());
        QVERIFY(!row.nameField()->isEnabled());
    }
    for (int j = 1; j <= 16; ++j)
        QCOMPARE(rig.form().outputsPage().row(j).nameField()->text(),
                 QStringLiteral("Výstup %1").arg(j));
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(rig.lineEdit(QStringLiteral("memoryName%1").arg(k))->text(), QString::number(k));
}

void TestFileStore::okWritesEveryKeyInItsOrder() {
    SettingsRig rig({QStringLiteral("Neznamy=ponechat")}, false);
    rig.open();
    QVERIFY(rig.pressOk());
    QCOMPARE(rig.keysInFile(), QStringList{QStringLiteral("Neznamy")} + expectedKeyOrder());
    QCOMPARE(rig.valueInFile(QStringLiteral("Neznamy")), QStringLiteral("ponechat"));
    QCOMPARE(rig.valueInFile(QStringLiteral("ProdlevaE")), QStringLiteral("800"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vystup16Nzv")), QStringLiteral("Výstup 16"));
    QCOMPARE(rig.valueInFile(QStringLiteral("VstupyRG")), QStringLiteral("0"));
    QCOMPARE(rig.valueInFile(QStringLiteral("DBChb")), QStringLiteral("0"));
    QVERIFY(rig.messages().messages.empty());
}

void TestFileStore::savedValuesComeBack() {
    SettingsRig rig({QStringLiteral("DBIPE=127.0.0.1"), QStringLiteral("DBPortE=3050"),
                     QStringLiteral("DBCestaE=/srv/orfa/orfa.fdb"), QStringLiteral("DBLoginE=orfa"),
                     QStringLiteral("DBHesloE=heslo"), QStringLiteral("MinimizeChb=2"),
                     QStringLiteral("VstupyRG=1"), QStringLiteral("HesloZesE=tajne"),
                     QStringLiteral("LoginChb=1"), QStringLiteral("Vstup3En=2"),
                     QStringLiteral("Vstup3Nzv=Čtecí pult"), QStringLiteral("Vstup4En=yes"),
                     QStringLiteral("Vystup12En=0x10"), QStringLiteral("Vystup12Nzv=Hala"),
                     QStringLiteral("RadioJmeno4=Radiožurnál")});
    rig.open();
    // What the file says, flags read as numbers ("2" and "0x10" on, "yes" off).
    QCOMPARE(rig.lineEdit(QStringLiteral("sendDelayField"))->text(), QStringLiteral("20"));
    QVERIFY(rig.checkBox(QStringLiteral("closeToTrayBox"))->isChecked());
    QVERIFY(!rig.checkBox(QStringLiteral("minimiseToTrayBox"))->isChecked());
    QVERIFY(rig.checkBox(QStringLiteral("loginAtStartBox"))->isChecked());
    QCOMPARE(rig.lineEdit(QStringLiteral("databasePathField"))->text(),
             QStringLiteral("/srv/orfa/orfa.fdb"));
    QCOMPARE(rig.lineEdit(QStringLiteral("amplifierPasswordField"))->text(),
             QStringLiteral("tajne"));
    QCOMPARE(rig.form().connectionPage().outputsChoice(), 1);
    const auto& input3 = rig.form().inputsPage().row(3);
    QVERIFY(input3.checkBox()->isChecked());
    QCOMPARE(input3.nameField()->text(), QStringLiteral("Čtecí pult"));
    QVERIFY(input3.nameField()->isEnabled());
    QVERIFY(!rig.form().inputsPage().row(4).checkBox()->isChecked());
    QVERIFY(rig.form().outputsPage().row(12).checkBox()->isChecked());
    QCOMPARE(rig.lineEdit(QStringLiteral("memoryName4"))->text(), QStringLiteral("Radiožurnál"));

    // The operator changes some of them.
    clickIndicator(input3.checkBox());
    rig.form().outputsPage().row(12).nameField()->setText(QStringLiteral("Hala – jih"));
    rig.lineEdit(QStringLiteral("sendDelayField"))->setText(QStringLiteral("350"));
    rig.lineEdit(QStringLiteral("amplifierHostField"))->setText(QStringLiteral("127.0.0.9"));
    rig.lineEdit(QStringLiteral("memoryName4"))->setText(QStringLiteral("Vltava"));
    clickIndicator(rig.checkBox(QStringLiteral("minimiseToTrayBox")));
    QVERIFY(rig.pressOk());

    QCOMPARE(rig.valueInFile(QStringLiteral("Vstup3En")), QStringLiteral("0"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vstup3Nzv")), QStringLiteral("Čtecí pult"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vstup4En")), QStringLiteral("0"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vystup12En")), QStringLiteral("1"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vystup12Nzv")), QStringLiteral("Hala – jih"));
    QCOMPARE(rig.valueInFile(QStringLiteral("ProdlevaE")), QStringLiteral("350"));
    QCOMPARE(rig.valueInFile(QStringLiteral("IPZesE")), QStringLiteral("127.0.0.9"));
    QCOMPARE(rig.valueInFile(QStringLiteral("HesloZesE")), QStringLiteral("tajne"));
    QCOMPARE(rig.valueInFile(QStringLiteral("MinimizeChb")), QStringLiteral("1"));
    QCOMPARE(rig.valueInFile(QStringLiteral("SysTrayChb")), QStringLiteral("1"));
    QCOMPARE(rig.valueInFile(QStringLiteral("DBPortE")), QStringLiteral("3050"));
    QCOMPARE(rig.valueInFile(QStringLiteral("RadioJmeno4")), QStringLiteral("Vltava"));

    rig.open();
    QVERIFY(!rig.form().inputsPage().row(3).checkBox()->isChecked());
    QVERIFY(!rig.form().inputsPage().row(3).nameField()->isEnabled());
    QCOMPARE(rig.form().outputsPage().row(12).nameField()->text(), QStringLiteral("Hala – jih"));
    QCOMPARE(rig.lineEdit(QStringLiteral("sendDelayField"))->text(), QStringLiteral("350"));
    QVERIFY(rig.checkBox(QStringLiteral("minimiseToTrayBox"))->isChecked());
}

void TestFileStore::outputsChoice_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("saved");
    QTest::newRow("missing") << QStringList{} << 0 << QStringLiteral("0");
    QTest::newRow("-1") << QStringList{QStringLiteral("VstupyRG=-1")} << -1 << QStringLiteral("-1");
    QTest::newRow("-5") << QStringList{QStringLiteral("VstupyRG=-5")} << -1 << QStringLiteral("-1");
    QTest::newRow("0") << QStringList{QStringLiteral("VstupyRG=0")} << 0 << QStringLiteral("0");
    QTest::newRow("1") << QStringList{QStringLiteral("VstupyRG=1")} << 1 << QStringLiteral("1");
    QTest::newRow("2") << QStringList{QStringLiteral("VstupyRG=2")} << 1 << QStringLiteral("1");
}

void TestFileStore::outputsChoice() {
    QFETCH(QStringList, stored);
    QFETCH(int, shown);
    QFETCH(QString, saved);
    SettingsRig rig(stored);
    rig.open();
    QCOMPARE(rig.form().connectionPage().outputsChoice(), shown);
    QCOMPARE(rig.control<QRadioButton>(QStringLiteral("eightOutputs"))->isChecked(), shown == 0);
    QCOMPARE(rig.control<QRadioButton>(QStringLiteral("sixteenOutputs"))->isChecked(), shown == 1);
    // Outputs 9 to 16 are offered only for 16 outputs.
    QCOMPARE(rig.form().outputsPage().row(9).checkBox()->isEnabled(), shown == 1);
    QVERIFY(rig.pressOk());
    QCOMPARE(rig.valueInFile(QStringLiteral("VstupyRG")), saved);
}

void TestFileStore::cancelWritesNothing() {
    SettingsRig rig({QStringLiteral("Vstup2En=1")});
    const QByteArray before = rig.settingsBytes();
    rig.open();
    clickIndicator(rig.form().inputsPage().row(2).checkBox());
    clickIndicator(rig.control<QRadioButton>(QStringLiteral("sixteenOutputs")));
    rig.lineEdit(QStringLiteral("sendDelayField"))->setText(QStringLiteral("5"));
    rig.lineEdit(QStringLiteral("memoryName1"))->setText(QStringLiteral("Jiné"));
    QVERIFY(rig.pressCancel());
    QCOMPARE(rig.settingsBytes(), before);
}

void TestFileStore::refusedWriteIsReportedAndStillClosesWithOk() {
    SettingsRig rig;
    rig.open();
    // A directory where the file should be: the first write is refused.
    QVERIFY(QFile::remove(rig.settingsPath()));
    QVERIFY(QDir().mkdir(rig.settingsPath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("settings not saved")));
    QVERIFY(rig.pressOk());
    // The operator learns that nothing was stored, and why.
    QCOMPARE(rig.messages().messages.size(), std::size_t{1});
    const auto& message = rig.messages().messages[0];
    QCOMPARE(message.icon, settings::MessageIcon::Error);
    QCOMPARE(message.caption, QStringLiteral("Nastavení"));
    QVERIFY(message.text.contains(rig.settingsPath()));
    QVERIFY(QFileInfo(rig.settingsPath()).isDir());
}

void TestFileStore::listsComeFromTheFile() {
    const QString stored = users::encryptPassword(QStringLiteral("abc"), users::passwordKey());
    SettingsRig rig({QStringLiteral("MaxIDUziv=3"), QStringLiteral("Uziv_1_Jmeno=Karel"),
                     QStringLiteral("Uziv_1_Heslo=") + stored,
                     QStringLiteral("Uziv_1_Administrace=2"), QStringLiteral("Uziv_2_Jmeno="),
                     QStringLiteral("Uziv_2_Administrace=1"), QStringLiteral("Uziv_3_Jmeno=Eva"),
                     QStringLiteral("Uziv_4_Jmeno=Za hranicí"), QStringLiteral("MaxIDSkupiny=3"),
                     QStringLiteral("Skup_1_SkupinaPocet=2"), QStringLiteral("Skup_1_IDVstupu1=1"),
                     QStringLiteral("Skup_1_IDVstupu2=5"), QStringLiteral("Skup_1_IDVstupu3=9"),
                     QStringLiteral("Skup_2_SkupinaPocet=-1"),
                     QStringLiteral("Skup_3_SkupinaPocet=0")});
    rig.data().grantAllRights();
    rig.open();
    const QTableWidget* users = rig.control<QTableWidget>(QStringLiteral("userList"));
    QCOMPARE(users->rowCount(), 2);
    QCOMPARE(users->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(users->item(0, 1)->text(), QStringLiteral("Karel"));
    QCOMPARE(users->item(0, 2)->text(), QStringLiteral("abc"));
    QCOMPARE(users->item(0, 3)->text(), QStringLiteral("Ano"));
    QCOMPARE(users->item(1, 0)->text(), QStringLiteral("3"));
    QCOMPARE(users->item(1, 2)->text(), QString());
    QCOMPARE(users->item(1, 3)->text(), QString());
    const QTableWidget* groups = rig.control<QTableWidget>(QStringLiteral("groupList"));
    QCOMPARE(groups->rowCount(), 2);
    QCOMPARE(groups->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(groups->item(0, 1)->text(), QStringLiteral("1  5  "));
    QCOMPARE(groups->item(1, 0)->text(), QStringLiteral("3"));
    QCOMPARE(groups->item(1, 1)->text(), QString());
}

void TestFileStore::emptyListsKeepOneEmptyRow() {
    SettingsRig rig;
    rig.open();
    for (const QString& name : {QStringLiteral("userList"), QStringLiteral("groupList")}) {
        const QTableWidget* grid = rig.control<QTableWidget>(name);
        QCOMPARE(grid->rowCount(), 1);
        QVERIFY(!grid->item(0, 0) || grid->item(0, 0)->text().isEmpty());
    }
}

QTEST_MAIN(TestFileStore)
#include "tst_filestore.moc"
