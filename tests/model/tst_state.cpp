// The amplifier model filled from the amplifier's answers (our simulator on
// loopback), and what becomes of a setting the amplifier refuses or never
// answers.
#include "link/ValueCodec.h"
#include "model/support/ModelRig.h"

#include <QMetaMethod>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace orfa;
using Page = model::AmpControl::Page;
using model::AmpItem;

namespace {

// A spy on every signal of the model.
class ModelSpies {
public:
    explicit ModelSpies(model::AmplifierModel& model) {
        const QMetaObject* meta = model.metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal)
                spies_.push_back(std::make_unique<QSignalSpy>(&model, method));
        }
    }
    qsizetype total() const {
        qsizetype sum = 0;
        for (const auto& spy : spies_)
            sum += spy->size();
        return sum;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

// A setting, the item it sets, and how the model shows that item.
struct Setting {
    std::function<void(model::AmpControl&)> run;
    AmpItem item;
    std::function<int(const model::AmplifierModel&)> shown;
    int instruction;
    int readBack;
};

const Setting kSettings[] = {
    {[](model::AmpControl& c) { c.setOutputLevel(2, 30); }, AmpItem::outputLevel(2),
     [](const model::AmplifierModel& m) { return m.outputLevel(2); }, 65, 81},
    {[](model::AmpControl& c) { c.setOutputSource(2, 7); }, AmpItem::outputSource(2),
     [](const model::AmplifierModel& m) { return m.outputSource(2); }, 66, 82},
    {[](model::AmpControl& c) { c.setMasterVolume(10); }, AmpItem::masterVolume(),
     [](const model::AmplifierModel& m) { return m.masterVolume(); }, 64, 80},
    {[](model::AmpControl& c) { c.setInputParameter(3, 4, 20); }, AmpItem::inputParameter(3, 4),
     [](const model::AmplifierModel& m) { return m.inputParameter(3, 4); }, 67, 83},
    {[](model::AmpControl& c) { c.togglePower(); }, AmpItem::power(),
     [](const model::AmplifierModel& m) { return static_cast<int>(m.power()); }, 165, 171},
};

} // namespace

class TestState : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void answersFillTheModel();
    void refusedSettingIsReadBack_data();
    void refusedSettingIsReadBack();
    void unansweredSettingIsReadBackOnce();
    void settingTheQueueCannotTakeIsUnconfirmed();

private:
    // Reads every page, so that the model holds what the amplifier holds.
    void readEverything();
    std::unique_ptr<ModelRig> rig_;
};

void TestState::init() {
    rig_ = std::make_unique<ModelRig>();
}

void TestState::cleanup() {
    rig_.reset();
}

void TestState::readEverything() {
    for (Page page : {Page::Inputs, Page::Outputs, Page::RadioMemories, Page::Schedule})
        rig_->control().refresh(page);
    QVERIFY(rig_->settle());
}

void TestState::answersFillTheModel() {
    const sim::AmpState& amp = rig_->sim().state() = sim::AmpState::plausible();
    model::AmplifierModel& model = rig_->model();
    ModelSpies spies(model);
    QSignalSpy levels(&model, &model::AmplifierModel::outputLevelChanged);
    readEverything();

    QCOMPARE(model.power(), link::PowerState::On);
    QCOMPARE(model.masterVolume(), 80 - amp.mix.masterVolumeDb);
    for (int n = 1; n <= link::kOutputCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        QCOMPARE(model.outputLevel(n), amp.mix.levels[i]);
        QCOMPARE(model.outputSource(n), amp.mix.sources[i]);
    }
    QCOMPARE(levels.size(), link::kOutputCount); // every level differs from 0
    for (int i = 0; i < link::kInputParameterCodeCount; ++i) {
        const int box = i / link::kInputParameterCount + 1;
        const int parameter = i % link::kInputParameterCount + 1;
        QCOMPARE(model.inputParameter(box, parameter),
                 link::inputParameterPosition(
                     parameter, amp.mix.inputParameters[static_cast<std::size_t>(i)]));
    }
    QCOMPARE(model.tunedFrequency(), (link::RadioFrequency{amp.tunedMhz, amp.tunedHundredths}));
    for (int m = 1; m <= link::kRadioMemoryCount; ++m) {
        const sim::RadioMemory& memory = amp.memories[static_cast<std::size_t>(m - 1)];
        QCOMPARE(model.radioMemory(m),
                 (link::RadioMemory{{memory.mhz, memory.hundredths}, memory.stereo}));
    }
    QCOMPARE(model.schedule().inOperation, amp.scheduleOn);
    const sim::ScheduleDay& saturday = amp.schedule[5];
    QCOMPARE(model.schedule().days[5], (link::ScheduleDay{{saturday.onHour, saturday.onMinute},
                                                          {saturday.offHour, saturday.offMinute}}));

    // The same answers again change nothing, and so say nothing but that the memories and
    // the schedule were read.
    const qsizetype emitted = spies.total();
    QVERIFY(emitted > 0);
    readEverything();
    QCOMPARE(spies.total(), emitted + 2);
}

void TestState::refusedSettingIsReadBack_data() {
    QTest::addColumn<int>("setting");
    QTest::newRow("output level") << 0;
    QTest::newRow("output source") << 1;
    QTest::newRow("master volume") << 2;
    QTest::newRow("input parameter") << 3;
    QTest::newRow("power") << 4;
}

void TestState::refusedSettingIsReadBack() {
    QFETCH(int, setting);
    const Setting& s = kSettings[setting];
    model::AmplifierModel& model = rig_->model();
    readEverything();
    const int before = s.shown(model);

    rig_->sim().faults().ackCode = 2;
    // The amplifier takes commands again by the time the value is read back.
    connect(&model, &model::AmplifierModel::unconfirmedChanged, &rig_->sim(),
            [this] { rig_->sim().faults().ackCode = 0; });
    QSignalSpy marks(&model, &model::AmplifierModel::unconfirmedChanged);
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("refused with code 2 - reading it back")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    s.run(rig_->control());
    QVERIFY(s.shown(model) != before); // shown at once

    QVERIFY(QTest::qWaitFor([&] { return marks.size() == 2; }, 5000));
    QCOMPARE(marks[0][0].value<AmpItem>(), s.item);
    QVERIFY(marks[0][1].toBool());
    QCOMPARE(marks[1][0].value<AmpItem>(), s.item);
    QVERIFY(!marks[1][1].toBool());
    QCOMPARE(s.shown(model), before); // what the amplifier kept
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), (std::vector<int>{s.instruction, s.readBack}));
}

void TestState::unansweredSettingIsReadBackOnce() {
    model::AmplifierModel& model = rig_->model();
    rig_->sim().faults().silent = true;
    QTest::ignoreMessage(QtWarningMsg, "set output levels not answered - reading it back");
    QTest::ignoreMessage(QtWarningMsg, "read output levels not answered");
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    rig_->control().setOutputLevel(5, 20);
    QVERIFY(QTest::qWaitFor([&] { return model.isUnconfirmed(AmpItem::outputLevel(5)); }, 3000));
    QVERIFY(rig_->waitForIdleQueue());
    // Five sends of each, and no more after a while.
    QTest::qWait(400);
    QCOMPARE(rig_->sim().receivedFrames().size(), std::size_t{10});
    QCOMPARE(rig_->receivedInstructions(), (std::vector<int>{65, 81}));
    QVERIFY(model.isUnconfirmed(AmpItem::outputLevel(5)));
    QCOMPARE(model.outputLevel(5), 20);
}

void TestState::settingTheQueueCannotTakeIsUnconfirmed() {
    rig_->link().setSendDelay(60000); // nothing leaves the queue meanwhile
    for (int n = 1; n <= link::SendQueue::kSlots; ++n)
        rig_->control().setOutputSource(n % link::kOutputCount + 1, 1); // never coalesced
    QTest::ignoreMessage(QtWarningMsg, "set output levels not queued - reading it back");
    QTest::ignoreMessage(QtWarningMsg, "read output levels not queued");
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    rig_->control().setOutputLevel(3, 10);
    QVERIFY(rig_->model().isUnconfirmed(AmpItem::outputLevel(3)));
    QCOMPARE(rig_->link().queuedCount(), link::SendQueue::kSlots);
}

QTEST_MAIN(TestState)
#include "tst_state.moc"
