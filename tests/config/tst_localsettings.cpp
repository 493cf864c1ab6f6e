#include "config/LocalSettings.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"
#include "config/support/ScratchDir.h"

#include <QTest>

using namespace Qt::StringLiterals;
using orfa::config::LocalSettings;
using orfa::config::SettingsFile;
using orfa::config::test::ScratchDir;
namespace keys = orfa::config::keys;

class TestLocalSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingFileGivesStartDefaults() {
        const ScratchDir scratch;
        const SettingsFile settings(scratch.dir());
        const LocalSettings local(settings);
        QCOMPARE(local.useDB(), false);
        QCOMPARE(local.amplifierAddress().host, QString());
        QCOMPARE(local.amplifierAddress().port, QString());
        QCOMPARE(local.loginAtStart(), false);
        QCOMPARE(local.sendDelay(), quint16{800});
    }

    void valuesComeFromTheirKeys() {
        const ScratchDir scratch;
        scratch.putIni("[Orfa]\nDBChb=1\nIPZesE=192.168.0.20\nPortZesE=4001\nLoginChb=2\n"
                       "ProdlevaE=250\n");
        const SettingsFile settings(scratch.dir());
        const LocalSettings local(settings);
        QCOMPARE(local.useDB(), true);
        QCOMPARE(local.amplifierAddress().host, u"192.168.0.20"_s);
        QCOMPARE(local.amplifierAddress().port, u"4001"_s);
        QCOMPARE(local.loginAtStart(), true);
        QCOMPARE(local.sendDelay(), quint16{250});
    }

    void sendDelay_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QByteArray() << 800;
        QTest::newRow("empty") << QByteArray("ProdlevaE=") << 800;
        QTest::newRow("not a number") << QByteArray("ProdlevaE=abc") << 800;
        QTest::newRow("hex is not decimal") << QByteArray("ProdlevaE=0x10") << 800;
        QTest::newRow("beyond 32 bits") << QByteArray("ProdlevaE=99999999999") << 800;
        QTest::newRow("zero") << QByteArray("ProdlevaE=0") << 0;
        QTest::newRow("low 16 bits of 70000") << QByteArray("ProdlevaE=70000") << 4464;
        QTest::newRow("65536 wraps to 0") << QByteArray("ProdlevaE=65536") << 0;
        QTest::newRow("-1 is 65535") << QByteArray("ProdlevaE=-1") << 65535;
        QTest::newRow("blanks") << QByteArray("ProdlevaE = 120 ") << 120;
    }

    void sendDelay() {
        QFETCH(QByteArray, line);
        QFETCH(int, expected);
        const ScratchDir scratch;
        scratch.putIni("[Orfa]\n" + line + "\n");
        const SettingsFile settings(scratch.dir());
        QCOMPARE(LocalSettings(settings).sendDelay(), expected);
        const QString stored = settings.readText(keys::ProdlevaE);
        QCOMPARE(LocalSettings::sendDelayFromText(stored), expected);
    }

    // The file is shared with the earlier program; a misspelt key would silently
    // split a setting in two, so the irregular spellings are pinned here.
    void keyNamesAsTheFileSpellsThem_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("input 10 flag") << keys::inputEnabled(10) << u"Vstup10En"_s;
        QTest::newRow("input 1 name") << keys::inputName(1) << u"Vstup1Nzv"_s;
        QTest::newRow("output 16 name") << keys::outputName(16) << u"Vystup16Nzv"_s;
        QTest::newRow("radio 9") << keys::radioName(9) << u"RadioJmeno9"_s;
        QTest::newRow("user volume") << keys::userVolume(12) << u"Uziv_12Hlasitost"_s;
        QTest::newRow("user radio") << keys::userRadio(12) << u"Uziv_12_Radio"_s;
        QTest::newRow("group member") << keys::groupMember(3, 14) << u"Skup_3_IDVstupu14"_s;
        QTest::newRow("database port") << QString(keys::DBPortE) << u"DBPortE"_s;
        QTest::newRow("output default") << keys::defaultOutputName(5) << u"Výstup 5"_s;
    }

    void keyNamesAsTheFileSpellsThem() {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(key, expected);
    }
};

QTEST_GUILESS_MAIN(TestLocalSettings)
#include "tst_localsettings.moc"
