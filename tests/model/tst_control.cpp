// The operator's intents through the amplifier model, without any window, and
// what reaches the amplifier (our simulator on loopback) as a result.
#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/ValueCodec.h"
#include "link/WeeklySchedule.h"
#include "model/support/ModelRig.h"

#include <QSignalSpy>
#include <QTest>

using namespace orfa;
using Frames = std::vector<QByteArray>;
using Page = model::AmpControl::Page;

namespace {

enum class Intent { Source, MasterVolume, Band, Gain, RecallPreset, StorePreset, RadioMemory };

void run(Intent intent, model::AmpControl& control) {
    switch (intent) {
    case Intent::Source:
        return control.setOutputSource(2, 10);
    case Intent::MasterVolume:
        return control.setMasterVolume(150);
    case Intent::Band:
        return control.setInputParameter(3, 4, 20); // box 3, band 1 kHz
    case Intent::Gain:
        return control.setInputParameter(3, 1, 15);
    case Intent::RecallPreset:
        return control.recallPreset(3);
    case Intent::StorePreset:
        return control.storePreset(5);
    case Intent::RadioMemory:
        return control.recallRadioMemory(4);
    }
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
    void oneCommandPerIntent_data();
    void oneCommandPerIntent();
    void powerToggleBothWays();
    void pageRefresh_data();
    void pageRefresh();
    void memoriesAndScheduleStoredWhileHeldBack();

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
    rig_->control().setOutputLevel(output, level);
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
    control.setOutputLevel(2, level);
    QVERIFY(rig_->settle());
    QSignalSpy mutes(&model, &model::AmplifierModel::muteChanged);

    control.setMuted(2, true);
    QVERIFY(model.isMuted(2));
    QCOMPARE(model.outputLevel(2), 79);
    QCOMPARE(model.levelToRestore(2), level);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), onMute);
    QCOMPARE(rig_->sim().state().mix.levels[1], 79);

    rig_->sim().clearReceivedFrames();
    control.setMuted(2, false);
    QVERIFY(!model.isMuted(2));
    QCOMPARE(model.outputLevel(2), level);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), onUnmute);
    QCOMPARE(rig_->sim().state().mix.levels[1], level);
    QCOMPARE(mutes.size(), 2);
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
    QTest::newRow("recall preset")
        << Intent::RecallPreset << Codes{161} << QByteArray::fromHex("03");
    QTest::newRow("store preset") << Intent::StorePreset << Codes{160} << QByteArray::fromHex("05");
    QTest::newRow("radio memory, then the frequency")
        << Intent::RadioMemory << Codes{166, 173} << QByteArray::fromHex("04");
}

void TestControl::oneCommandPerIntent() {
    QFETCH(Intent, intent);
    QFETCH(std::vector<int>, instructions);
    QFETCH(QByteArray, data);

    run(intent, rig_->control());
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), instructions);
    QCOMPARE(rig_->receivedData(instructions.front()), Frames{data});
}

void TestControl::powerToggleBothWays() {
    model::AmplifierModel& model = rig_->model();
    model::AmpControl& control = rig_->control();
    QCOMPARE(model.power(), link::PowerState::Unknown);
    control.setSendingAllowed(false); // the power switch is never held back

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
    control.setSendingAllowed(true);
    control.refresh(Page::Outputs);
    QVERIFY(QTest::qWaitFor([&] { return model.power() == link::PowerState::On; }));
    control.togglePower();
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(165), (Frames{QByteArray::fromHex("ff"), QByteArray::fromHex("00"),
                                              QByteArray::fromHex("00")}));
    QVERIFY(!rig_->sim().state().power);
}

void TestControl::pageRefresh_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<std::vector<int>>("instructions");

    using Codes = std::vector<int>;
    QTest::newRow("inputs") << Page::Inputs << true << Codes{80, 83, 173, 171};
    QTest::newRow("outputs") << Page::Outputs << true << Codes{82, 81, 80, 171};
    QTest::newRow("radio memories") << Page::RadioMemories << true << Codes{172};
    QTest::newRow("schedule") << Page::Schedule << true << Codes{170};
    QTest::newRow("power") << Page::Power << true << Codes{171};
    QTest::newRow("sending held back") << Page::Outputs << false << Codes{};
    QTest::newRow("schedule, held back") << Page::Schedule << false << Codes{170};
}

void TestControl::pageRefresh() {
    QFETCH(Page, page);
    QFETCH(bool, allowed);
    QFETCH(std::vector<int>, instructions);

    rig_->control().setSendingAllowed(allowed);
    rig_->control().refresh(page);
    rig_->control().setOutputLevel(1, 10); // an intent: sent behind them, or held back too
    QVERIFY(rig_->waitForIdleQueue());
    if (allowed)
        instructions.push_back(65);
    QCOMPARE(rig_->receivedInstructions(), instructions);
}

// The settings dialog's stores go out whatever the panel holds back, and show in the model.
void TestControl::memoriesAndScheduleStoredWhileHeldBack() {
    link::RadioMemories memories{};
    memories[1] = link::RadioMemory{{104, 50}, true};
    link::WeeklySchedule schedule;
    schedule.inOperation = true;
    schedule.days[6] = link::ScheduleDay{{7, 30}, {18, 0}};
    rig_->control().setSendingAllowed(false);
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
