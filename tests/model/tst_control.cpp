// The operator's intents through the amplifier model, without any window, and
// what reaches the amplifier (our simulator on loopback) as a result.
#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/ValueCodec.h"
#include "link/WeeklySchedule.h"
#include "model/support/ModelRig.h"
#include "users/OperatorAccess.h"

#include <QSignalSpy>
#include <QTest>

using namespace orfa;
using Frames = std::vector<QByteArray>;
using model::Reading;

namespace {

enum class Intent { Source, MasterVolume, Band, Gain, RecallPreset, StorePreset, RadioMemory };

model::IntentResult run(Intent intent, model::AmpControl& control,
                        const users::OperatorAccess& access) {
    switch (intent) {
    case Intent::Source:
        return control.setOutputSource(access, 2, 10);
    case Intent::MasterVolume:
        return control.setMasterVolumeDb(access, -70);
    case Intent::Band:
        return control.setInputParameter(access, 3, 4, -8); // box 3, band 1 kHz
    case Intent::Gain:
        return control.setInputParameter(access, 3, 1, 15);
    case Intent::RecallPreset:
        return control.recallPreset(access, 3);
    case Intent::StorePreset:
        return control.storePreset(access, 5);
    case Intent::RadioMemory:
        return control.recallRadioMemory(access, 4);
    }
    return {};
}

} // namespace

class TestControl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void levelSpreadsOverTheGroup_data();
    void levelSpreadsOverTheGroup();
    void muteAndRestore_data();
    void muteAndRestore();
    void muteFollowsTheAmplifier();
    void oneCommandPerIntent_data();
    void oneCommandPerIntent();
    void refusedByRightsSendsNothing_data();
    void refusedByRightsSendsNothing();
    void powerToggleBothWays();
    void readings_data();
    void readings();
    void memoriesAndScheduleStored();

private:
    std::unique_ptr<ModelRig> rig_;
};

void TestControl::init() {
    rig_ = std::make_unique<ModelRig>();
}

void TestControl::cleanup() {
    rig_.reset();
}

void TestControl::levelSpreadsOverTheGroup_data() {
    QTest::addColumn<QList<int>>("group");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("no group") << QList<int>{} << 2 << 40 << QByteArray::fromHex("0228");
    QTest::newRow("member of a group")
        << QList<int>{1, 3, 5} << 3 << 40 << QByteArray::fromHex("0328012803280528");
    QTest::newRow("beyond 79") << QList<int>{} << 4 << 90 << QByteArray::fromHex("044f");
}

void TestControl::levelSpreadsOverTheGroup() {
    QFETCH(QList<int>, group);
    QFETCH(int, output);
    QFETCH(int, level);
    QFETCH(QByteArray, sent);

    model::AmplifierModel& model = rig_->model();
    for (int n : group)
        model.setOutputGroup(n, 2);
    rig_->control().setOutputLevel(rig_->access(), output, level);
    QCOMPARE(rig_->link().queuedCount(), 1);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{sent});

    const int shown = std::min(level, link::kOutputLevelMax);
    for (int n = 1; n <= link::kOutputCount; ++n) {
        const int expected = n == output || group.contains(n) ? shown : 0;
        QCOMPARE(model.outputLevel(n), expected);
        QCOMPARE(rig_->sim().state().mix.levels[static_cast<std::size_t>(n - 1)], expected);
    }
}

void TestControl::muteAndRestore_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<Frames>("onMute");
    QTest::addColumn<Frames>("onUnmute");

    QTest::newRow("level 30") << 30 << Frames{QByteArray::fromHex("024f")}
                              << Frames{QByteArray::fromHex("021e")};
    QTest::newRow("already at 79") << 79 << Frames{} << Frames{};
}

void TestControl::muteAndRestore() {
    QFETCH(int, level);
    QFETCH(Frames, onMute);
    QFETCH(Frames, onUnmute);

    model::AmplifierModel& model = rig_->model();
    model::AmpControl& control = rig_->control();
    control.setOutputLevel(rig_->access(), 2, level);
    QVERIFY(rig_->settle());
    QSignalSpy mutes(&model, &model::AmplifierModel::muteChanged);

    control.setMuted(rig_->access(), 2, true);
    QVERIFY(model.isMuted(2));
    QCOMPARE(model.outputLevel(2), 79);
    QCOMPARE(model.levelToRestore(2), level);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), onMute);
    QCOMPARE(rig_->sim().state().mix.levels[1], 79);

    // A poll between them reads the muted level back: the mute stays.
    control.read({Reading::OutputLevels});
    QVERIFY(rig_->settle());
    QVERIFY(model.isMuted(2));

    control.setMuted(rig_->access(), 2, false);
    QVERIFY(!model.isMuted(2));
    QCOMPARE(model.outputLevel(2), level);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), onUnmute);
    QCOMPARE(rig_->sim().state().mix.levels[1], level);
    QCOMPARE(mutes.size(), 2);
}

// Found at 79 without having been muted here, and set elsewhere while muted.
void TestControl::muteFollowsTheAmplifier() {
    model::AmplifierModel& model = rig_->model();
    model::AmpControl& control = rig_->control();
    rig_->sim().state().mix.levels[4] = 79;
    control.read({Reading::OutputLevels});
    QVERIFY(rig_->settle());
    QVERIFY(model.isMuted(5));
    control.setMuted(rig_->access(), 5, false);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("05") +
                                            char(model::AmplifierModel::kUnmuteLevelWhenUnknown)});

    control.setMuted(rig_->access(), 5, true);
    QVERIFY(rig_->settle());
    rig_->sim().state().mix.levels[4] = 30; // another panel
    control.read({Reading::OutputLevels});
    QVERIFY(rig_->waitForIdleQueue());
    QVERIFY(!model.isMuted(5));
    QCOMPARE(model.outputLevel(5), 30);
}

void TestControl::oneCommandPerIntent_data() {
    QTest::addColumn<Intent>("intent");
    QTest::addColumn<std::vector<int>>("instructions");
    QTest::addColumn<QByteArray>("data");

    using Codes = std::vector<int>;
    QTest::newRow("source") << Intent::Source << Codes{66} << QByteArray::fromHex("020a");
    QTest::newRow("master volume")
        << Intent::MasterVolume << Codes{64} << QByteArray::fromHex("c6");
    QTest::newRow("band") << Intent::Band << Codes{67} << QByteArray::fromHex("5488");
    QTest::newRow("gain") << Intent::Gain << Codes{67} << QByteArray::fromHex("510f");
    QTest::newRow("recall preset, then what it changes")
        << Intent::RecallPreset << Codes{161, 82, 81, 80, 83} << QByteArray::fromHex("03");
    QTest::newRow("store preset") << Intent::StorePreset << Codes{160} << QByteArray::fromHex("05");
    QTest::newRow("radio memory, then the frequency")
        << Intent::RadioMemory << Codes{166, 173} << QByteArray::fromHex("04");
}

void TestControl::oneCommandPerIntent() {
    QFETCH(Intent, intent);
    QFETCH(std::vector<int>, instructions);
    QFETCH(QByteArray, data);

    QVERIFY(run(intent, rig_->control(), rig_->access()).accepted());
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), instructions);
    QCOMPARE(rig_->receivedData(instructions.front()), Frames{data});
}

void TestControl::refusedByRightsSendsNothing_data() {
    QTest::addColumn<Intent>("intent");
    QTest::newRow("source") << Intent::Source;
    QTest::newRow("master volume") << Intent::MasterVolume;
    QTest::newRow("band") << Intent::Band;
    QTest::newRow("recall preset") << Intent::RecallPreset;
    QTest::newRow("store preset") << Intent::StorePreset;
    QTest::newRow("radio memory") << Intent::RadioMemory;
}

void TestControl::refusedByRightsSendsNothing() {
    QFETCH(Intent, intent);
    const users::OperatorAccess nobody(config::IoNames{}, users::UserRights::noRights(),
                                       users::LevelRule::FlagAndVolume);
    const model::IntentResult result = run(intent, rig_->control(), nobody);
    QCOMPARE(result.outcome, model::IntentResult::Outcome::NotAllowed);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(rig_->link().isIdle());
    QCOMPARE(rig_->control().setMuted(nobody, 3, true).outcome,
             model::IntentResult::Outcome::NotAllowed);
    QVERIFY(!rig_->model().isMuted(3));
    QVERIFY(rig_->link().isIdle());
}

void TestControl::powerToggleBothWays() {
    model::AmplifierModel& model = rig_->model();
    model::AmpControl& control = rig_->control();
    QCOMPARE(model.power(), link::PowerState::Unknown);

    control.togglePower(); // not known: switch on
    QCOMPARE(model.power(), link::PowerState::On);
    QVERIFY(rig_->waitForIdleQueue());
    QVERIFY(rig_->sim().state().power);
    control.togglePower();
    QCOMPARE(model.power(), link::PowerState::Off);
    QVERIFY(rig_->waitForIdleQueue());
    QVERIFY(!rig_->sim().state().power);

    // The decision follows what the amplifier reports.
    rig_->sim().state().power = true;
    control.read({Reading::Power});
    QVERIFY(QTest::qWaitFor([&] { return model.power() == link::PowerState::On; }));
    control.togglePower();
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(165), (Frames{QByteArray::fromHex("ff"), QByteArray::fromHex("00"),
                                              QByteArray::fromHex("00")}));
    QVERIFY(!rig_->sim().state().power);
}

void TestControl::readings_data() {
    QTest::addColumn<std::vector<Reading>>("readings");
    QTest::addColumn<std::vector<int>>("instructions");

    using Codes = std::vector<int>;
    QTest::newRow("the whole state") << std::vector<Reading>{} << Codes{82, 81, 80, 83, 171, 173};
    QTest::newRow("some, in the order given")
        << std::vector<Reading>{Reading::Power, Reading::MasterVolume} << Codes{171, 80};
    QTest::newRow("a request already queued is not queued twice")
        << std::vector<Reading>{Reading::Schedule, Reading::Schedule, Reading::RadioMemories}
        << Codes{170, 172};
}

void TestControl::readings() {
    QFETCH(std::vector<Reading>, readings);
    QFETCH(std::vector<int>, instructions);

    if (readings.empty())
        rig_->control().readWholeState();
    for (const Reading reading : readings)
        rig_->control().read({reading});
    rig_->control().setOutputLevel(rig_->access(), 1, 10); // an intent: sent behind them
    QVERIFY(rig_->waitForIdleQueue());
    instructions.push_back(65);
    QCOMPARE(rig_->receivedInstructions(), instructions);
}

// The settings dialog's stores show in the model.
void TestControl::memoriesAndScheduleStored() {
    link::RadioMemories memories{};
    memories[1] = link::RadioMemory{{104, 50}, true};
    link::WeeklySchedule schedule;
    schedule.inOperation = true;
    schedule.days[6] = link::ScheduleDay{{7, 30}, {18, 0}};
    rig_->control().storeRadioMemories(memories);
    rig_->control().storeSchedule(schedule);
    QCOMPARE(rig_->model().radioMemory(2), memories[1]);
    QCOMPARE(rig_->model().schedule(), schedule);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), (std::vector<int>{167, 164}));
    QCOMPARE(int{rig_->sim().state().memories[1].mhz}, 104);
    QCOMPARE(int{rig_->sim().state().schedule[6].onMinute}, 30);
}

QTEST_MAIN(TestControl)
#include "tst_control.moc"
