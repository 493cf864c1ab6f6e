#include "ctl/CtlContext.h"
#include "ctl/support/CtlRig.h"
#include "support/ClosedPort.h"
#include "support/ReferenceCipher.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace orfa;
using namespace Qt::StringLiterals;

namespace {

const QStringList kNames{QStringLiteral("Vstup2Nzv=Mikrofon"),
                         QStringLiteral("Vystup3Nzv=Hala č. 3")};

QStringList words(const QString& line) {
    return line.split(QLatin1Char('|'));
}

// The instruction and data bytes of every frame the simulator received, as "165:00".
QStringList received(const CtlRig& rig) {
    QStringList frames;
    for (const QByteArray& frame : rig.receivedCommands()) {
        frames << QStringLiteral("%1:%2")
                      .arg(static_cast<unsigned char>(frame.at(6)))
                      .arg(QString::fromLatin1(frame.mid(7, frame.size() - 9).toHex()));
    }
    return frames;
}

// The requests as they reach the amplifier.
const QString kReadLevels = u"81:0102030405060708090a0b0c0d0e0f10"_s;
const QString kReadSources = u"82:0102030405060708090a0b0c0d0e0f10"_s;
const QString kReadParameters =
    u"83:111213141516313233343536515253545556717273747576919293949596"_s;

} // namespace

class TestOrfactl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandsSendTheirFrames_data();
    void commandsSendTheirFrames();
    void levelMovesTheGroup_data();
    void levelMovesTheGroup();
    void statusReadsTheAmplifier();
    void snapshotRestoresTheState_data();
    void snapshotRestoresTheState();
    void badInputSendsNothing_data();
    void badInputSendsNothing();
    void rightsLimitWhatIsSent_data();
    void rightsLimitWhatIsSent();
    void amplifierFaultsGiveTheirExitCodes_data();
    void amplifierFaultsGiveTheirExitCodes();
    void programRunsAsAProcess();
};

void TestOrfactl::commandsSendTheirFrames_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("frames");
    QTest::newRow("power off") << u"power|off"_s << QStringList{u"165:00"_s};
    QTest::newRow("power on") << u"power|on"_s << QStringList{u"165:ff"_s};
    QTest::newRow("master -10 dB") << u"master|-10"_s << QStringList{u"64:8a"_s};
    QTest::newRow("master +80 dB") << u"master|80"_s << QStringList{u"64:50"_s};
    QTest::newRow("level by name") << u"level|hala č. 3|40"_s << QStringList{u"65:0328"_s};
    QTest::newRow("volume, higher is louder") << u"volume|2|59"_s << QStringList{u"65:0214"_s};
    // Whether the output is muted is read first.
    QTest::newRow("mute") << u"mute|2"_s << QStringList{kReadLevels, u"65:024f"_s};
    QTest::newRow("mute on") << u"mute|2|on"_s << QStringList{kReadLevels, u"65:024f"_s};
    QTest::newRow("unmute what is not muted") << u"mute|2|off"_s << QStringList{kReadLevels};
    QTest::newRow("source by names") << u"source|HALA Č. 3|mikrofon"_s << QStringList{u"66:0302"_s};
    QTest::newRow("gain") << u"gain|2|7"_s << QStringList{u"67:3107"_s};
    QTest::newRow("band by name") << u"eq|1|1 kHz|-5"_s << QStringList{u"67:1485"_s};
    QTest::newRow("band by number, box by source")
        << u"eq|Mikrofon|5|12"_s << QStringList{u"67:160c"_s};
    QTest::newRow("preset recall, then what it changed")
        << u"preset|recall|2"_s
        << QStringList{u"161:02"_s, kReadSources, kReadLevels, u"80:"_s, kReadParameters};
    QTest::newRow("preset store") << u"preset|store|8"_s << QStringList{u"160:08"_s};
    QTest::newRow("memory, then the frequency")
        << u"memory|4"_s << QStringList{u"166:04"_s, u"173:"_s};
}

void TestOrfactl::commandsSendTheirFrames() {
    QFETCH(QString, command);
    QFETCH(QStringList, frames);
    CtlRig rig(kNames);
    QCOMPARE(rig.run(words(command)), int{ctl::kExitDone});
    QCOMPARE(received(rig), frames);
    QVERIFY2(rig.err().isEmpty(), qPrintable(rig.err()));
}

void TestOrfactl::levelMovesTheGroup_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QList<int>>("movedOutputs");
    QTest::newRow("group") << u"level|3|40"_s << u"65:0328012803280528"_s << QList<int>{1, 3, 5};
    QTest::newRow("--no-group") << u"--no-group|level|3|40"_s << u"65:0328"_s << QList<int>{3};
}

void TestOrfactl::levelMovesTheGroup() {
    QFETCH(QString, command);
    QFETCH(QString, frame);
    QFETCH(QList<int>, movedOutputs);
    CtlRig rig({QStringLiteral("MaxIDSkupiny=1"), QStringLiteral("Skup_1_SkupinaPocet=3"),
                QStringLiteral("Skup_1_IDVstupu1=1"), QStringLiteral("Skup_1_IDVstupu2=3"),
                QStringLiteral("Skup_1_IDVstupu3=5")});
    QCOMPARE(rig.run(words(command)), int{ctl::kExitDone});
    QCOMPARE(received(rig), QStringList{frame});
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(rig.sim().state().mix.levels.at(static_cast<std::size_t>(n - 1)) == 40,
                 movedOutputs.contains(n));
}

void TestOrfactl::statusReadsTheAmplifier() {
    CtlRig rig(kNames + QStringList{QStringLiteral("Vystup4En=0")});
    rig.sim().state() = sim::AmpState::plausible();
    rig.sim().state().mix.levels[2] = 33;
    rig.sim().state().mix.sources[2] = 2;
    rig.sim().state().mix.masterVolumeDb = -12;
    QCOMPARE(rig.run({QStringLiteral("--json"), QStringLiteral("status")}), int{ctl::kExitDone});
    const QJsonObject status = QJsonDocument::fromJson(rig.out().toUtf8()).object();
    QCOMPARE(status.value(u"power"_s).toString(), QStringLiteral("on"));
    QCOMPARE(status.value(u"masterDb"_s).toInt(), -12);
    const QJsonArray outputs = status.value(u"outputs"_s).toArray();
    QCOMPARE(outputs.size(), 15); // output 4 is switched off in the settings
    const QJsonObject hall = outputs.at(2).toObject();
    QCOMPARE(hall.value(u"name"_s).toString(), QStringLiteral("Hala č. 3"));
    QCOMPARE(hall.value(u"level"_s).toInt(), 33);
    QCOMPARE(hall.value(u"sourceName"_s).toString(), QStringLiteral("Mikrofon"));
    QCOMPARE(outputs.at(3).toObject().value(u"output"_s).toInt(), 5);

    QCOMPARE(rig.run({QStringLiteral("status")}), int{ctl::kExitDone});
    QVERIFY(rig.out().contains(QStringLiteral("Hala č. 3")));
    QVERIFY(rig.out().contains(QStringLiteral("master -12 dB")));
}

void TestOrfactl::snapshotRestoresTheState_data() {
    QTest::addColumn<QString>("only");
    QTest::addColumn<bool>("outputsBack");
    QTest::addColumn<bool>("restOfStateBack");
    QTest::newRow("everything") << QString() << true << true;
    QTest::newRow("--only outputs") << u"outputs"_s << true << false;
    QTest::newRow("--only power,master,inputs") << u"power,master,inputs"_s << false << true;
}

void TestOrfactl::snapshotRestoresTheState() {
    QFETCH(QString, only);
    QFETCH(bool, outputsBack);
    QFETCH(bool, restOfStateBack);
    CtlRig rig;
    rig.sim().state() = sim::AmpState::plausible();
    const sim::AmpState saved = rig.sim().state();
    const QString file = rig.configDir() + QStringLiteral("/scene.json");
    QCOMPARE(rig.run({QStringLiteral("snapshot"), QStringLiteral("save"), file}),
             int{ctl::kExitDone});

    // Someone changes everything, and the simulator forgets its state.
    sim::AmpState changed = saved;
    changed.power = false;
    changed.mix.masterVolumeDb = 5;
    changed.mix.levels.fill(3);
    changed.mix.sources.fill(7);
    changed.mix.inputParameters.fill(1);
    rig.sim().state() = changed;

    QStringList arguments{QStringLiteral("snapshot"), QStringLiteral("restore"), file};
    if (!only.isEmpty())
        arguments << QStringLiteral("--only") << only;
    QCOMPARE(rig.run(arguments), int{ctl::kExitDone});
    const sim::MixState& now = rig.sim().state().mix;
    QCOMPARE(now.levels == saved.mix.levels, outputsBack);
    QCOMPARE(now.sources == saved.mix.sources, outputsBack);
    QCOMPARE(rig.sim().state().power == saved.power, restOfStateBack);
    QCOMPARE(now.masterVolumeDb == saved.mix.masterVolumeDb, restOfStateBack);
    QCOMPARE(now.inputParameters == saved.mix.inputParameters, restOfStateBack);
}

void TestOrfactl::badInputSendsNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("snapshot");
    QTest::addColumn<QString>("message");
    const QByteArray none;
    QTest::newRow("no output 17") << u"level|17|5"_s << none << u"output 17 does not exist"_s;
    QTest::newRow("level out of range") << u"level|3|80"_s << none << u"from 0 to 79"_s;
    QTest::newRow("unknown source name") << u"source|3|Nic"_s << none << u"no source is named"_s;
    QTest::newRow("master out of range") << u"master|81"_s << none << u"from -79 to 80"_s;
    QTest::newRow("no band 7") << u"eq|1|7|0"_s << none << u"band"_s;
    QTest::newRow("unknown command") << u"loudness|3"_s << none << u"unknown command"_s;
    QTest::newRow("missing word") << u"level|3"_s << none << u"usage: orfactl level"_s;
    QTest::newRow("bad --only") << u"snapshot|restore|@|--only|radio"_s << QByteArray("{}")
                                << u"--only knows"_s;
    QTest::newRow("not JSON") << u"snapshot|restore|@"_s << QByteArray("{\"format\": ")
                              << u"not a JSON object"_s;
    QTest::newRow("foreign JSON") << u"snapshot|restore|@"_s << QByteArray("{\"scene\": 1}")
                                  << u"not an Orfa snapshot"_s;
    QTest::newRow("newer version")
        << u"snapshot|restore|@"_s << QByteArray(R"({"format": "orfa-snapshot", "version": 2})")
        << u"version 2 is not supported"_s;
    QTest::newRow("an 8-output amplifier")
        << u"snapshot|restore|@"_s << QByteArray(R"({"format": "orfa-snapshot", "version": 1,
                          "amplifier": {"outputs": 8, "inputs": 5}})")
        << u"with 8 outputs"_s;
}

void TestOrfactl::badInputSendsNothing() {
    QFETCH(QString, command);
    QFETCH(QByteArray, snapshot);
    QFETCH(QString, message);
    CtlRig rig;
    if (!snapshot.isEmpty())
        command.replace(QLatin1Char('@'), rig.writeFile(QStringLiteral("in.json"), snapshot));
    QCOMPARE(rig.run(words(command)), int{ctl::kExitUsage});
    QVERIFY2(rig.err().contains(message), qPrintable(rig.err()));
    QVERIFY(rig.sim().receivedFrames().empty());
}

void TestOrfactl::rightsLimitWhatIsSent_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("allowed output") << u"--user|Petr|level|2|9"_s << u"Heslo1"_s << 0;
    QTest::newRow("output without the right") << u"--user|Petr|level|3|9"_s << u"heslo1"_s << 4;
    QTest::newRow("source not allowed") << u"--user|Petr|source|2|4"_s << u"Heslo1"_s << 4;
    QTest::newRow("master without the right") << u"--user|Petr|master|0"_s << u"Heslo1"_s << 4;
    QTest::newRow("wrong password") << u"--user|Petr|level|2|9"_s << u"Heslo2"_s << 4;
    QTest::newRow("unknown user") << u"--user|Pavel|level|2|9"_s << u"Heslo1"_s << 4;
    QTest::newRow("no user named") << u"level|2|9"_s << u"Heslo1"_s << 4;
}

void TestOrfactl::rightsLimitWhatIsSent() {
    QFETCH(QString, command);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    // Petr may change every output but 3, use sources 1 to 3, and not the master volume.
    CtlRig rig({QStringLiteral("LoginChb=1"), QStringLiteral("MaxIDUziv=1"),
                QStringLiteral("Uziv_1_Jmeno=Petr"),
                QStringLiteral("Uziv_1_Heslo=") + test::storedPassword(QStringLiteral("Heslo1")),
                QStringLiteral("Uziv_1_Vstupy=ABCDEFGHIJKLM0000000"),
                QStringLiteral("Uziv_1_Vystupy=AB0DEFGHIJKLMNOP"),
                QStringLiteral("Uziv_1_Matice=AB0DEFGHIJKLMNOP")});
    rig.setPassword(password);
    const int code = rig.run(words(command));
    QVERIFY2(code == exitCode, qPrintable(rig.err()));
    QCOMPARE(rig.sim().receivedFrames().empty(), exitCode != 0);
}

void TestOrfactl::amplifierFaultsGiveTheirExitCodes_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("silent") << u"silent"_s << u"status"_s << 1 << u"was not answered"_s;
    QTest::newRow("refusing") << u"refusing"_s << u"level|3|40"_s << 1 << u"refused with code 5"_s;
    QTest::newRow("absent") << u"absent"_s << u"level|3|40"_s << 3
                            << u"cannot reach the amplifier"_s;
}

void TestOrfactl::amplifierFaultsGiveTheirExitCodes() {
    QFETCH(QString, fault);
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    CtlRig rig;
    QStringList arguments{QStringLiteral("--timeout"), QStringLiteral("1")};
    if (fault == QLatin1String("silent"))
        rig.sim().faults().silent = true;
    else if (fault == QLatin1String("refusing"))
        rig.sim().faults().ackCode = 5;
    else
        arguments << QStringLiteral("--amp")
                  << QStringLiteral("127.0.0.1:%1").arg(closedLoopbackPort());
    QCOMPARE(rig.run(arguments + words(command)), exitCode);
    QVERIFY2(rig.err().contains(message), qPrintable(rig.err()));
}

void TestOrfactl::programRunsAsAProcess() {
    CtlRig rig;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORFA_CONFIG_DIR"), rig.configDir());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORFACTL_BINARY), {QStringLiteral("mute"), QStringLiteral("4")});
    // The simulator answers from this process's event loop.
    QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 10000);
    QCOMPARE(process.exitCode(), int{ctl::kExitDone});
    QCOMPARE(received(rig), (QStringList{kReadLevels, QStringLiteral("65:044f")}));

    process.start(QStringLiteral(ORFACTL_BINARY), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), int{ctl::kExitDone});
    QVERIFY(process.readAllStandardOutput().startsWith("Usage: orfactl"));
}

QTEST_GUILESS_MAIN(TestOrfactl)
#include "tst_orfactl.moc"
