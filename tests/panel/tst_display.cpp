// Answers from the amplifier land in the right controls and send nothing
// back; the controls are enabled by the power state, the settings and the rights.
#include "config/SettingsKeys.h"
#include "link/AmpLink.h"
#include "link/ValueCodec.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/PowerStatusBar.h"
#include "panel/support/PanelRig.h"
#include "panel/support/StalledListener.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace orfa;

namespace {

bool isSettingCommand(int code) {
    return code < 80 || (code >= 160 && code <= 167);
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outputPageShowsLevelsAndSources();
    void inputsPageShowsGainsBandsAndFrequency();
    void controlsStayDisabledUntilTheAmplifierIsOn();
    void enablingFollowsFlagsAndRights();
    void presetMenusFollowTheirRights();
    void connectionPanelShowsTheAttempt();
    void linkPanelsSayTheState();
};

void TestDisplay::outputPageShowsLevelsAndSources() {
    PanelRig rig(PanelRig::allEnabled() << QStringLiteral("ActivePageOrfaForm=1"));
    sim::AmpState& amp = rig.sim().state();
    amp.power = true;
    amp.mix.masterVolumeDb = 10; // position 70
    for (int n = 0; n < 16; ++n) {
        amp.mix.levels.at(static_cast<std::size_t>(n)) = static_cast<std::uint8_t>(n * 5);
        amp.mix.sources.at(static_cast<std::size_t>(n)) = static_cast<std::uint8_t>(n % 10 + 1);
    }
    amp.mix.sources[4] = 0;  // output 5: no source
    amp.mix.sources[5] = 12; // output 6: a source the panel does not have
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    panel::PanelModel& model = rig.form().model();
    QTRY_COMPARE(rig.form().volTrackBar()->value(), 70);
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(model.Vystup(n).TrackBar->value(), (n - 1) * 5);
        const int expected = n == 5 || n == 6 ? 0 : (n - 1) % 10 + 1;
        QCOMPARE(model.Vystup(n).RadioGroup->selectedSource(), expected);
    }
    for (int code : rig.receivedInstructions())
        QVERIFY2(!isSettingCommand(code), qPrintable(QString::number(code)));
    QCOMPARE(rig.statusBarText(), QStringLiteral("Zapnuto"));
}

void TestDisplay::inputsPageShowsGainsBandsAndFrequency() {
    PanelRig rig(PanelRig::allEnabled());
    sim::AmpState& amp = rig.sim().state();
    amp.power = true;
    amp.tunedMhz = 87;
    amp.tunedHundredths = 5;
    // Box 3: gain 9, band 1 kHz at -8 dB (position 20); box 5 gain with bit 7 set.
    amp.mix.inputParameters[12] = 9;
    amp.mix.inputParameters[15] = link::encodeSignMagnitude(-8);
    amp.mix.inputParameters[24] = 0x85;
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    panel::PanelModel& model = rig.form().model();
    QTRY_COMPARE(rig.form().radioMhzCaption()->text(), QStringLiteral("87.05 MHz"));
    QCOMPARE(accessibleName(rig.form().radioMhzCaption()),
             QStringLiteral("Naladěná frekvence rádia: 87.05 MHz"));
    QCOMPARE(model.Vstup(3).TrackBar[0]->value(), 9);
    QCOMPARE(model.Vstup(3).TrackBar[3]->value(), 20);
    QCOMPARE(model.Vstup(5).TrackBar[0]->value(), 0);  // negative: the top end
    QCOMPARE(model.Vstup(1).TrackBar[1]->value(), 12); // 0 dB
    for (int code : rig.receivedInstructions())
        QVERIFY2(!isSettingCommand(code), qPrintable(QString::number(code)));
}

void TestDisplay::controlsStayDisabledUntilTheAmplifierIsOn() {
    PanelRig rig(PanelRig::allEnabled());
    rig.sim().state().power = false;
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    QTRY_COMPARE(rig.statusBarText(), QStringLiteral("Vypnuto"));
    QWidget* powerPanel = rig.form().statusBar1()->panel(panel::PowerStatusBar::kPowerPanel);
    QCOMPARE(accessibleName(powerPanel), QStringLiteral("Stav zesilovače: Vypnuto"));
    panel::PanelModel& model = rig.form().model();
    QVERIFY(!rig.form().zapnutyZesilovacAction()->isChecked());
    QVERIFY(!rig.data().amplifierOn());
    for (int n = 1; n <= 16; ++n) {
        QVERIFY(!model.Vystup(n).TrackBar->isEnabled());
        QVERIFY(!model.Vystup(n).CheckBox->isEnabled());
        for (int i = 1; i <= 10; ++i)
            QVERIFY(!model.Vystup(n).Tlacitko.at(static_cast<std::size_t>(i))->isEnabled());
    }
    for (int k = 1; k <= 5; ++k) {
        for (QSlider* slider : model.Vstup(k).TrackBar)
            QVERIFY(!slider->isEnabled());
    }
    QVERIFY(!rig.form().volTrackBar()->isEnabled());
    QVERIFY(!model.RadioTlac(1)->isEnabled());

    // The amplifier is switched on elsewhere; the next page change sees it.
    rig.sim().state().power = true;
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    QTRY_COMPARE(rig.statusBarText(), QStringLiteral("Zapnuto"));
    QCOMPARE(accessibleName(powerPanel), QStringLiteral("Stav zesilovače: Zapnuto"));
    QVERIFY(rig.form().zapnutyZesilovacAction()->isChecked());
    QVERIFY(model.Vystup(16).TrackBar->isEnabled());
    QVERIFY(rig.form().volTrackBar()->isEnabled());
    QVERIFY(model.RadioTlac(9)->isEnabled());
}

void TestDisplay::enablingFollowsFlagsAndRights() {
    QStringList settings = PanelRig::allEnabled();
    settings << QStringLiteral("Vstup3En=0") << QStringLiteral("Vstup4En=1")
             << QStringLiteral("Vstup5En=0") << QStringLiteral("Vstup6En=0")
             << QStringLiteral("Vystup7En=0") << QStringLiteral("Vstup3Nzv=Mikrofon „A“")
             << QStringLiteral("Vystup2Nzv=Hala č. 2");
    // The first of two equal keys counts, so the overrides above go first.
    settings.removeOne(QStringLiteral("Vstup3En=1"));
    settings.removeOne(QStringLiteral("Vstup5En=1"));
    settings.removeOne(QStringLiteral("Vstup6En=1"));
    settings.removeOne(QStringLiteral("Vystup7En=1"));
    PanelRig rig(settings);
    rig.sim().state().power = true;
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    panel::PanelModel& model = rig.form().model();
    QTRY_VERIFY(rig.data().amplifierOn());

    // Box 2 serves sources 3 and 4: on because source 4 is.
    QVERIFY(model.Vstup(2).GroupBox->isEnabled());
    QVERIFY(model.Vstup(2).TrackBar[5]->isEnabled());
    QCOMPARE(model.Vstup(2).GroupBox->title(), QStringLiteral("Mikrofon „A“, Vstup 4"));
    QVERIFY(!model.Vstup(3).TrackBar[0]->isEnabled()); // sources 5 and 6 both off
    QVERIFY(!model.Vstup(3).Label[2]->isEnabled());
    QCOMPARE(model.Vystup(1).Tlacitko[3]->text(), QStringLiteral("Mikrofon „A“"));
    QCOMPARE(model.Vystup(2).RadioGroup->sourceGroup()->title(), QStringLiteral("Hala č. 2"));
    QVERIFY(!model.Vystup(7).RadioGroup->sourceGroup()->isEnabled());
    QVERIFY(!model.Vystup(7).TrackBar->isEnabled());

    // A user who may not switch output 3, nor use source 8, nor change output 4's volume.
    users::UserRights rights = rig.data().rights();
    rights.sourceSwitching[2] = QLatin1Char('0');
    rights.outputs[3] = QLatin1Char('0');
    rights.inputs = QStringLiteral("ABCDEFGHIJKLMNOPQ0STUVWXYZ");
    rights.deriveEnabledInputs();
    rights.masterVolume = 0;
    rights.radio = 2; // only 1 grants
    rig.data().setRights(rights);
    rig.form().PovolOvladaciPrvkyPodleNastaveni();
    QVERIFY(!model.Vystup(3).RadioGroup->sourceGroup()->isEnabled());
    QVERIFY(!model.Vystup(3).TrackBar->isEnabled()); // settings file: the matrix right counts
    QVERIFY(!model.Vystup(3).CheckBox->isEnabled());
    QVERIFY(model.Vystup(4).RadioGroup->sourceGroup()->isEnabled());
    QVERIFY(!model.Vystup(4).TrackBar->isEnabled());
    for (int n : {1, 2, 16}) {
        QVERIFY(!model.Vystup(n).Tlacitko[8]->isEnabled());
        QVERIFY(model.Vystup(n).Tlacitko[7]->isEnabled());
        QVERIFY(model.Vystup(n).TrackBar->isEnabled());
    }
    QVERIFY(!rig.form().volTrackBar()->isEnabled());
    QVERIFY(!model.RadioTlac(1)->isEnabled());
    QVERIFY(!rig.form().radioMhzCaption()->isEnabled());
}

void TestDisplay::presetMenusFollowTheirRights() {
    PanelRig rig(PanelRig::allEnabled());
    rig.sim().state().power = true;
    QVERIFY(rig.start());
    QTRY_VERIFY(rig.data().amplifierOn());
    panel::OrfaForm& form = rig.form();
    QVERIFY(form.predvolbyMenu()->menuAction()->isVisible());
    QVERIFY(form.ulozitMenu()->menuAction()->isVisible());
    QVERIFY(form.moznostiAction()->isEnabled());

    users::UserRights rights = rig.data().rights();
    rights.storePresets = 0;
    rig.data().setRights(rights);
    form.PovolOvladaciPrvkyPodleNastaveni();
    QVERIFY(form.predvolbyMenu()->menuAction()->isVisible());
    QVERIFY(!form.ulozitMenu()->menuAction()->isVisible());

    rights.activatePresets = 0;
    rights.storePresets = 1;
    rig.data().setRights(rights);
    form.PovolOvladaciPrvkyPodleNastaveni();
    QVERIFY(!form.predvolbyMenu()->menuAction()->isVisible());
    QVERIFY(!form.predvolbyMenu()->isEnabled());
}

// An amplifier whose connection takes a while: "Připojuji..." until it is made.
void TestDisplay::connectionPanelShowsTheAttempt() {
    StalledListener amplifier;
    PanelRig rig;
    rig.data().settings().writeText(config::keys::PortZesE, QString::number(amplifier.port()));
    rig.create();
    panel::PowerStatusBar* bar = rig.form().statusBar1();
    const int panel = orfa::panel::PowerStatusBar::kConnectionPanel;
    QCOMPARE(bar->panelText(panel), QStringLiteral("Odpojeno"));
    QVERIFY(rig.start());
    QTRY_COMPARE(bar->panelText(panel), QStringLiteral("Připojuji..."));
    QCOMPARE(accessibleName(bar->panel(panel)),
             QStringLiteral("Spojení se zesilovačem: Připojuji..."));
    QTest::qWait(300);
    QCOMPARE(bar->panelText(panel), QStringLiteral("Připojuji..."));

    amplifier.resume();
    const QString connected = QStringLiteral("Připojeno 127.0.0.1:%1").arg(amplifier.port());
    QTRY_COMPARE_WITH_TIMEOUT(bar->panelText(panel), connected, 10000);
    QCOMPARE(accessibleName(bar->panel(panel)),
             QStringLiteral("Spojení se zesilovačem: ") + connected);
}

// The words of the two link panels; a screen reader hears them too.
void TestDisplay::linkPanelsSayTheState() {
    using State = link::AmpLink::ConnectionState;
    using Bar = panel::PowerStatusBar;
    Bar bar;
    bar.showConnection(State::Connected, QStringLiteral("192.168.1.20"), QStringLiteral("7777"));
    bar.showSending(true);
    QCOMPARE(bar.panelText(Bar::kConnectionPanel), QStringLiteral("Připojeno 192.168.1.20:7777"));
    QCOMPARE(accessibleName(bar.panel(Bar::kSendingPanel)),
             QStringLiteral("Odesílání: Odesílám data"));

    bar.showConnection(State::Disconnected, QStringLiteral("192.168.1.20"), QStringLiteral("7777"));
    bar.showSending(false);
    QCOMPARE(bar.panelText(Bar::kConnectionPanel), QStringLiteral("Odpojeno"));
    QCOMPARE(bar.panelText(Bar::kSendingPanel), QString());
}

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
