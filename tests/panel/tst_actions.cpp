// The operator's moves and clicks, driven through the widgets, and what
// reaches the amplifier (our simulator on loopback) as a result.
#include "link/Signature.h"
#include "panel/CaptionedLabel.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/PowerStatusBar.h"
#include "panel/RadioBox.h"
#include "panel/support/PanelRig.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace orfa;
using Frames = std::vector<QByteArray>;
// Finds the accessible object of a control on the window.
using FindAccessible = std::function<QAccessibleInterface*(panel::OrfaForm&)>;
Q_DECLARE_METATYPE(FindAccessible)

namespace {

QAccessibleInterface* accessible(QObject* control) {
    return QAccessible::queryAccessibleInterface(control);
}

// Item `index` of a menu, as assistive technology reaches it with the menu closed.
QAccessibleInterface* menuItem(QMenu* menu, int index) {
    return accessible(menu)->child(index);
}

} // namespace

class TestActions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void groupMovesTogetherInOneCommand();
    void muteAndUnmute();
    void mutingASliderAtTheBottomSendsNothing();
    void twoSourcesChosenQuicklyBothGo();
    void twoOutputsWithinTheDelayBothArrive();
    void masterVolumeAndEqualiser();
    void memoryButtonTunesAndAsksForTheFrequency();
    void presets();
    void powerOffAndOn();
    void shownValuesAreNotSentBack();
    void keysAndAssistiveTechnologySend();
    void accessibilityActionsSend_data();
    void accessibilityActionsSend();

private:
    // Waits until everything queued has been answered, then forgets what came so far.
    void settle();
    panel::OutputStrip* strip(int output) { return rig_->form().outputStrip(output); }
    panel::PanelSlider* level(int output) { return strip(output)->levelSlider(); }
    std::unique_ptr<PanelRig> rig_;
};

void TestActions::init() {
    rig_ =
        std::make_unique<PanelRig>(PanelRig::allEnabled() << QStringLiteral("ActivePageOrfaForm=1")
                                                          << QStringLiteral("VstupyRG=1"));
    rig_->sim().state().power = true;
    QVERIFY(rig_->start());
    QTRY_VERIFY(rig_->amplifierOn());
    settle();
}

void TestActions::cleanup() {
    rig_.reset();
}

void TestActions::settle() {
    QVERIFY(rig_->settle());
}

void TestActions::groupMovesTogetherInOneCommand() {
    for (int n : {1, 3, 5})
        rig_->data().amplifier().setOutputGroup(n, 2);
    drag(level(3), 40);
    QCOMPARE(level(1)->value(), 40);
    QCOMPARE(level(5)->value(), 40);
    QCOMPARE(level(2)->value(), 0);
    QCOMPARE(rig_->data().link().queuedCount(), 1);
    settle();
    // settle() forgot the frames; check the amplifier's state and repeat for the bytes.
    QCOMPARE(rig_->sim().state().mix.levels[0], 40);
    QCOMPARE(rig_->sim().state().mix.levels[2], 40);
    QCOMPARE(rig_->sim().state().mix.levels[4], 40);

    drag(level(3), 41);
    drag(level(3), 40);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("0328012803280528")});
}

void TestActions::muteAndUnmute() {
    QCheckBox* mute = strip(2)->muteBox();
    drag(level(2), 30);
    settle();
    QTest::mouseClick(mute, Qt::LeftButton);
    QVERIFY(mute->isChecked());
    QCOMPARE(level(2)->value(), 79);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("024f")});
    QCOMPARE(rig_->sim().state().mix.levels[1], 79);

    rig_->sim().clearReceivedFrames();
    QTest::mouseClick(mute, Qt::LeftButton);
    QCOMPARE(level(2)->value(), 30);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("021e")});
}

void TestActions::mutingASliderAtTheBottomSendsNothing() {
    drag(level(4), 79);
    settle();
    QTest::mouseClick(strip(4)->muteBox(), Qt::LeftButton);
    QTest::mouseClick(strip(4)->muteBox(), Qt::LeftButton);
    QCOMPARE(level(4)->value(), 79);
    QCOMPARE(rig_->data().link().queuedCount(), 0);
}

void TestActions::twoSourcesChosenQuicklyBothGo() {
    QTest::mouseClick(strip(1)->sourceButton(3), Qt::LeftButton);
    QTest::mouseClick(strip(2)->sourceButton(10), Qt::LeftButton);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(66),
             (Frames{QByteArray::fromHex("0103"), QByteArray::fromHex("020a")}));
    QCOMPARE(rig_->sim().state().mix.sources[0], 3);
    QCOMPARE(rig_->sim().state().mix.sources[1], 10);
}

void TestActions::twoOutputsWithinTheDelayBothArrive() {
    drag(level(1), 11);
    drag(level(1), 12);
    drag(level(2), 22);
    QCOMPARE(rig_->data().link().queuedCount(), 2);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65),
             (Frames{QByteArray::fromHex("010c"), QByteArray::fromHex("0216")}));
    QCOMPARE(rig_->sim().state().mix.levels[0], 12);
    QCOMPARE(rig_->sim().state().mix.levels[1], 22);
}

void TestActions::masterVolumeAndEqualiser() {
    rig_->form().pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    settle();
    drag(rig_->form().masterVolumeSlider(), 149);
    drag(rig_->form().masterVolumeSlider(), 150);
    panel::InputBox* box3 = rig_->form().inputBox(3);
    drag(box3->slider(3), 20); // band 1 kHz
    drag(box3->slider(0), 15); // gain
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(64), Frames{QByteArray::fromHex("c6")});
    QCOMPARE(rig_->receivedData(67),
             (Frames{QByteArray::fromHex("5488"), QByteArray::fromHex("510f")}));
    QCOMPARE(rig_->sim().state().mix.masterVolumeDb, -70);
}

void TestActions::memoryButtonTunesAndAsksForTheFrequency() {
    rig_->form().pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    settle();
    rig_->sim().state().memories[3] = {98, 0, true};
    QTest::mouseClick(rig_->form().radio()->memoryButton(4), Qt::LeftButton);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), (std::vector<int>{166, 173}));
    QCOMPARE(rig_->receivedData(166), Frames{QByteArray::fromHex("04")});
    QTRY_COMPARE(rig_->form().frequencyLabel()->text(), QStringLiteral("98 MHz"));
}

void TestActions::presets() {
    QMenu* menu = rig_->form().presetsMenu();
    menu->actions().at(2)->trigger(); // "Aktivovat 3"
    QVERIFY(rig_->waitForIdleQueue());
    rig_->form().storeMenu()->actions().at(4)->trigger(); // "P5"
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(161), Frames{QByteArray::fromHex("03")});
    QCOMPARE(rig_->receivedData(160), Frames{QByteArray::fromHex("05")});
    QVERIFY(rig_->sim().state().presetStored[4]);
}

void TestActions::powerOffAndOn() {
    panel::OrfaForm& form = rig_->form();
    QTest::mouseDClick(form.powerStatusBar(), Qt::LeftButton);
    QCOMPARE(rig_->statusBarText(), QStringLiteral("Vypnuto"));
    QVERIFY(!form.powerAction()->isChecked());
    QVERIFY(!level(1)->isEnabled());
    QVERIFY(!form.masterVolumeSlider()->isEnabled());
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(165), Frames{QByteArray::fromHex("00")});
    QVERIFY(!rig_->sim().state().power);

    form.powerAction()->trigger(); // the menu item does the same
    QCOMPARE(rig_->statusBarText(), QStringLiteral("Zapnuto"));
    QVERIFY(form.powerAction()->isChecked());
    QVERIFY(level(1)->isEnabled());
    QVERIFY(form.masterVolumeSlider()->isEnabled());
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(165),
             (Frames{QByteArray::fromHex("00"), QByteArray::fromHex("ff")}));
    QVERIFY(rig_->sim().state().power);
    // The power command never borrows a request's signature.
    for (const sim::ReceivedFrame& f : rig_->sim().receivedFrames())
        QVERIFY(!link::SignatureCounter::isRequestSignature(static_cast<std::uint8_t>(f.frame[5])));
}

// What the amplifier reports moves the controls, also one under the mouse, and none of
// them sends it back (nor spreads a level over a group).
void TestActions::shownValuesAreNotSentBack() {
    model::AmplifierModel& amplifier = rig_->data().amplifier();
    amplifier.setOutputGroup(6, 1);
    amplifier.setOutputGroup(7, 1);
    const int seventh = level(7)->value();
    level(6)->setSliderDown(true);
    amplifier.setOutputLevel(6, 50);
    level(6)->setSliderDown(false);
    amplifier.setOutputSource(6, 2);
    amplifier.setMuted(6, true, 50);
    amplifier.setMasterVolumeDb(70);
    amplifier.setInputParameter(2, 1, 7);
    QCOMPARE(level(6)->value(), 50);
    QCOMPARE(level(7)->value(), seventh);
    QVERIFY(strip(6)->sourceButton(2)->isChecked());
    QVERIFY(strip(6)->muteBox()->isChecked());
    QCOMPARE(rig_->form().masterVolumeSlider()->value(), 10);
    QCOMPARE(rig_->form().inputBox(2)->slider(0)->value(), 7);
    QCOMPARE(rig_->data().link().queuedCount(), 0);
    QTest::mouseDClick(rig_->form().powerStatusBar(), Qt::LeftButton);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), std::vector<int>{165});
}

// The keys move the handle the way it looks; a screen reader sets the value, which counts
// as the operator's only while the slider is enabled.
void TestActions::keysAndAssistiveTechnologySend() {
    QSlider* slider = level(4);
    drag(slider, 20);
    settle();
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Down); // down the slider: one step more
    QCOMPARE(slider->value(), 21);
    QTest::keyClick(slider, Qt::Key_Up);
    QTest::keyClick(slider, Qt::Key_Up);
    QCOMPARE(slider->value(), 19);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("0413")});

    QAccessibleValueInterface* value =
        QAccessible::queryAccessibleInterface(slider)->valueInterface();
    value->setCurrentValue(30);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65),
             (Frames{QByteArray::fromHex("0413"), QByteArray::fromHex("041e")}));
    slider->setEnabled(false);
    value->setCurrentValue(40);
    QCOMPARE(rig_->data().link().queuedCount(), 0);
    QCOMPARE(rig_->data().amplifier().outputLevel(4), 30);
}

void TestActions::accessibilityActionsSend_data() {
    QTest::addColumn<FindAccessible>("control");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("instruction");
    QTest::addColumn<QByteArray>("data");
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();
    const auto mute = [](panel::OrfaForm& form) {
        return accessible(form.outputStrip(2)->muteBox());
    };
    const auto source = [](panel::OrfaForm& form) {
        return accessible(form.outputStrip(1)->sourceButton(3));
    };
    QTest::newRow("mute, toggle") << FindAccessible(mute) << toggle << 65 << QByteArray("\x02\x4f");
    QTest::newRow("mute, press") << FindAccessible(mute) << press << 65 << QByteArray("\x02\x4f");
    QTest::newRow("source, toggle")
        << FindAccessible(source) << toggle << 66 << QByteArray("\x01\x03");
    QTest::newRow("source, press")
        << FindAccessible(source) << press << 66 << QByteArray("\x01\x03");
    QTest::newRow("radio memory, press") << FindAccessible([](panel::OrfaForm& form) {
        return accessible(form.radio()->memoryButton(4));
    }) << press << 166 << QByteArray("\x04");
    QTest::newRow("preset, press") << FindAccessible([](panel::OrfaForm& form) {
        return menuItem(form.presetsMenu(), 2); // "Aktivovat 3"
    }) << press << 161 << QByteArray("\x03");
    QTest::newRow("store preset, press") << FindAccessible([](panel::OrfaForm& form) {
        return menuItem(form.storeMenu(), 4); // "P5"
    }) << press << 160 << QByteArray("\x05");
}

// What a screen reader or another assistive technology does with the
// controls: the actions they offer change them without a click, and each
// change goes to the amplifier once.
void TestActions::accessibilityActionsSend() {
    QFETCH(FindAccessible, control);
    QFETCH(QString, action);
    QFETCH(int, instruction);
    QFETCH(QByteArray, data);
    drag(level(2), 30);
    settle();
    QAccessibleInterface* target = control(rig_->form());
    QVERIFY(target && target->actionInterface());
    target->actionInterface()->doAction(action);
    // A press clicks after a short animation.
    QTRY_COMPARE(rig_->receivedData(instruction), Frames{data});
    QVERIFY(rig_->waitForIdleQueue());
    // Nothing else: the control showing the model's answer sent nothing back.
    // A memory is followed by the frequency (173), a preset by what it changes
    // (82, 81, 80, 83).
    const std::size_t readBack = instruction == 166 ? 1U : instruction == 161 ? 4U : 0U;
    QCOMPARE(rig_->receivedCommands().size(), 1U + readBack);
}

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
