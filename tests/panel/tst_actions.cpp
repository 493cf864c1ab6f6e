// The operator's moves and clicks, driven through the widgets, and what
// reaches the amplifier (our simulator on loopback) as a result.
#include "link/Signature.h"
#include "panel/ControlActions.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/PowerStatusBar.h"
#include "panel/support/PanelRig.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace orfa;
using Frames = std::vector<QByteArray>;

namespace {

// What a drag with the mouse does to a slider.
void drag(QSlider* slider, int position) {
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
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
    void nothingIsSentWhileAnswersAreShown();
    void keyboardMovesALevel();

private:
    // Waits until everything queued has been answered, then forgets what came so far.
    void settle();
    std::unique_ptr<PanelRig> rig_;
};

void TestActions::init() {
    rig_ =
        std::make_unique<PanelRig>(PanelRig::allEnabled() << QStringLiteral("ActivePageOrfaForm=1")
                                                          << QStringLiteral("VstupyRG=1"));
    rig_->sim().state().power = true;
    QVERIFY(rig_->start());
    QTRY_VERIFY(rig_->data().amplifierOn());
    settle();
}

void TestActions::cleanup() {
    rig_.reset();
}

void TestActions::settle() {
    QVERIFY(rig_->waitForIdleQueue());
    rig_->sim().clearReceivedFrames();
}

void TestActions::groupMovesTogetherInOneCommand() {
    panel::PanelModel& model = rig_->form().model();
    for (int n : {1, 3, 5})
        model.Vystup(n).IDSkupiny = 2;
    drag(model.Vystup(3).TrackBar, 40);
    QCOMPARE(model.Vystup(1).TrackBar->value(), 40);
    QCOMPARE(model.Vystup(5).TrackBar->value(), 40);
    QCOMPARE(model.Vystup(2).TrackBar->value(), 0);
    QCOMPARE(rig_->data().link().queue().queuedCount(), 1);
    settle();
    // settle() forgot the frames; check the amplifier's state and repeat for the bytes.
    QCOMPARE(rig_->sim().state().mix.levels[0], 40);
    QCOMPARE(rig_->sim().state().mix.levels[2], 40);
    QCOMPARE(rig_->sim().state().mix.levels[4], 40);

    drag(model.Vystup(3).TrackBar, 41);
    drag(model.Vystup(3).TrackBar, 40);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("0328012803280528")});
}

void TestActions::muteAndUnmute() {
    panel::TVystup& out = rig_->form().model().Vystup(2);
    drag(out.TrackBar, 30);
    settle();
    QTest::mouseClick(out.CheckBox, Qt::LeftButton);
    QVERIFY(out.CheckBox->isChecked());
    QCOMPARE(out.TrackBar->value(), 79);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("024f")});
    QCOMPARE(rig_->sim().state().mix.levels[1], 79);

    rig_->sim().clearReceivedFrames();
    QTest::mouseClick(out.CheckBox, Qt::LeftButton);
    QCOMPARE(out.TrackBar->value(), 30);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65), Frames{QByteArray::fromHex("021e")});
}

void TestActions::mutingASliderAtTheBottomSendsNothing() {
    panel::TVystup& out = rig_->form().model().Vystup(4);
    drag(out.TrackBar, 79);
    settle();
    QTest::mouseClick(out.CheckBox, Qt::LeftButton);
    QTest::mouseClick(out.CheckBox, Qt::LeftButton);
    QCOMPARE(out.TrackBar->value(), 79);
    QCOMPARE(rig_->data().link().queue().queuedCount(), 0);
}

void TestActions::twoSourcesChosenQuicklyBothGo() {
    panel::PanelModel& model = rig_->form().model();
    QTest::mouseClick(model.Vystup(1).Tlacitko[3], Qt::LeftButton);
    QTest::mouseClick(model.Vystup(2).Tlacitko[10], Qt::LeftButton);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(66),
             (Frames{QByteArray::fromHex("0103"), QByteArray::fromHex("020a")}));
    QCOMPARE(rig_->sim().state().mix.sources[0], 3);
    QCOMPARE(rig_->sim().state().mix.sources[1], 10);
}

void TestActions::twoOutputsWithinTheDelayBothArrive() {
    panel::PanelModel& model = rig_->form().model();
    drag(model.Vystup(1).TrackBar, 11);
    drag(model.Vystup(1).TrackBar, 12);
    drag(model.Vystup(2).TrackBar, 22);
    QCOMPARE(rig_->data().link().queue().queuedCount(), 2);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(65),
             (Frames{QByteArray::fromHex("010c"), QByteArray::fromHex("0216")}));
    QCOMPARE(rig_->sim().state().mix.levels[0], 12);
    QCOMPARE(rig_->sim().state().mix.levels[1], 22);
}

void TestActions::masterVolumeAndEqualiser() {
    rig_->form().pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    settle();
    drag(rig_->form().volTrackBar(), 149);
    drag(rig_->form().volTrackBar(), 150);
    panel::TVstup& box3 = rig_->form().model().Vstup(3);
    drag(box3.TrackBar[3], 20); // band 1 kHz
    drag(box3.TrackBar[0], 15); // gain
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
    QTest::mouseClick(rig_->form().model().RadioTlac(4), Qt::LeftButton);
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), (std::vector<int>{166, 173}));
    QCOMPARE(rig_->receivedData(166), Frames{QByteArray::fromHex("04")});
    QTRY_COMPARE(rig_->form().radioMhzCaption()->text(), QStringLiteral("98 MHz"));
}

void TestActions::presets() {
    QMenu* menu = rig_->form().predvolbyMenu();
    menu->actions().at(2)->trigger(); // "Aktivovat 3"
    QVERIFY(rig_->waitForIdleQueue());
    rig_->form().ulozitMenu()->actions().at(4)->trigger(); // "P5"
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(161), Frames{QByteArray::fromHex("03")});
    QCOMPARE(rig_->receivedData(160), Frames{QByteArray::fromHex("05")});
    QVERIFY(rig_->sim().state().presetStored[4]);
}

void TestActions::powerOffAndOn() {
    panel::OrfaForm& form = rig_->form();
    panel::PanelModel& model = form.model();
    QTest::mouseDClick(form.statusBar1(), Qt::LeftButton);
    QCOMPARE(rig_->statusBarText(), QStringLiteral("Vypnuto"));
    QVERIFY(!form.zapnutyZesilovacAction()->isChecked());
    QVERIFY(!model.Vystup(1).TrackBar->isEnabled());
    QVERIFY(!form.volTrackBar()->isEnabled());
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(165), Frames{QByteArray::fromHex("00")});
    QVERIFY(!rig_->sim().state().power);

    form.zapnutyZesilovacAction()->trigger(); // the menu item does the same
    QCOMPARE(rig_->statusBarText(), QStringLiteral("Zapnuto"));
    QVERIFY(form.zapnutyZesilovacAction()->isChecked());
    QVERIFY(model.Vystup(1).TrackBar->isEnabled());
    QVERIFY(form.volTrackBar()->isEnabled());
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedData(165),
             (Frames{QByteArray::fromHex("00"), QByteArray::fromHex("ff")}));
    QVERIFY(rig_->sim().state().power);
    // The power command never borrows a request's signature.
    for (const sim::ReceivedFrame& f : rig_->sim().receivedFrames())
        QVERIFY(!link::SignatureCounter::isRequestSignature(static_cast<std::uint8_t>(f.frame[5])));
}

void TestActions::nothingIsSentWhileAnswersAreShown() {
    panel::PanelModel& model = rig_->form().model();
    {
        panel::SendingSuppressed suppressed(model);
        drag(model.Vystup(6).TrackBar, 50);
        QTest::mouseClick(model.Vystup(6).Tlacitko[2], Qt::LeftButton);
        drag(rig_->form().volTrackBar(), 10);
        QCOMPARE(rig_->data().link().queue().queuedCount(), 0);
        // The power toggle is the one exception.
        QTest::mouseDClick(rig_->form().statusBar1(), Qt::LeftButton);
        QCOMPARE(rig_->data().link().queue().queuedCount(), 1);
    }
    QVERIFY(rig_->waitForIdleQueue());
    QCOMPARE(rig_->receivedInstructions(), std::vector<int>{165});
}

void TestActions::keyboardMovesALevel() {
    QSlider* slider = rig_->form().model().Vystup(4).TrackBar;
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
}

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
