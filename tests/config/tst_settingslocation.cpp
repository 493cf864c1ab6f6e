#include "config/SettingsFile.h"
#include "config/SettingsLocation.h"
#include "config/support/ScratchDir.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using orfa::config::SettingsFile;
using orfa::config::SettingsLocation;
using orfa::config::test::ScratchDir;

class TestSettingsLocation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choice_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("fileBeside");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("variable wins over a file beside the program")
            << u"/etc/orfa-site/"_s << true << true << u"/etc/orfa-site"_s;
        QTest::newRow("file beside a read-only program")
            << QString() << true << false << u"/opt/orfa"_s;
        QTest::newRow("writable program directory") << QString() << false << true << u"/opt/orfa"_s;
        QTest::newRow("installed read-only, no file")
            << QString() << false << false << u"/home/op/.config/orfa"_s;
    }

    void choice() {
        QFETCH(QString, variable);
        QFETCH(bool, fileBeside);
        QFETCH(bool, writable);
        QFETCH(QString, expected);
        SettingsLocation::Facts facts;
        facts.configDirVariable = variable;
        facts.executableDir = u"/opt/orfa/"_s;
        facts.fileBesideExecutable = fileBeside;
        facts.executableDirWritable = writable;
        facts.userConfigDir = u"/home/op/.config"_s;
        QCOMPARE(SettingsLocation::choose(facts), expected);
    }

    void probeLooksAtTheProgramDirectory() {
        const ScratchDir program;
        const QString user = u"/home/op/.config"_s;
        SettingsLocation::Facts facts = SettingsLocation::probe(QString(), program.dir(), user);
        QVERIFY(!facts.fileBesideExecutable);
        QVERIFY(facts.executableDirWritable);
        QCOMPARE(facts.userConfigDir, user);

        program.putIni("[Orfa]\n");
        facts = SettingsLocation::probe(u"/x"_s, program.dir(), user);
        QVERIFY(facts.fileBesideExecutable);
        QCOMPARE(facts.configDirVariable, u"/x"_s);

        const QString missing = QDir(program.dir()).filePath(u"missing"_s);
        facts = SettingsLocation::probe(QString(), missing, user);
        QVERIFY(!facts.fileBesideExecutable);
        QVERIFY(!facts.executableDirWritable);
        QCOMPARE(SettingsLocation::choose(facts), user + u"/orfa"_s);

        // Installed for everyone: root may write to /usr/bin, but settings go to the user's.
        facts = SettingsLocation::probe(QString(), u"/usr/bin"_s, user);
        QVERIFY(!facts.executableDirWritable);
        QCOMPARE(SettingsLocation::choose(facts), user + u"/orfa"_s);
        QVERIFY(SettingsLocation::isSystemDirectory(u"/usr/local/bin/"_s));
        QVERIFY(SettingsLocation::isSystemDirectory(u"/bin"_s));
        QVERIFY(!SettingsLocation::isSystemDirectory(u"/usr-data/orfa"_s));
        QVERIFY(!SettingsLocation::isSystemDirectory(u"/opt/orfa"_s));
    }

    void environmentVariableDirectoryIsCreated() {
        const ScratchDir base;
        const QString wanted = QDir(base.dir()).filePath(u"site/settings"_s);
        qputenv("ORFA_CONFIG_DIR", QFile::encodeName(wanted));
        const QString chosen = SettingsLocation::directory();
        qunsetenv("ORFA_CONFIG_DIR");
        QCOMPARE(chosen, wanted);
        QVERIFY(QFileInfo(chosen).isDir());

        SettingsFile settings(chosen);
        settings.writeFlag(u"DBChb"_s, true);
        QVERIFY(QFileInfo::exists(base.dir() + u"/site/settings/Orfa.ini"_s));
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
