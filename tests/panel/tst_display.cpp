// Answers from the amplifier land in the right controls and send nothing
// back; the controls are enabled by the power state, the settings and the
// rights, and only once their values have been read.
#include "config/SettingsKeys.h"
#include "link/AmpLink.h"
#include "link/ValueCodec.h"
#include "panel/AppIcon.h"
#include "panel/CaptionedLabel.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/PanelStyle.h"
#include "panel/PowerStatusBar.h"
#include "panel/RadioBox.h"
#include "panel/support/PanelRig.h"
#include "panel/support/StalledListener.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace orfa;

namespace {

bool isSettingCommand(int code) {
    return code < 80 || (code >= 160 && code <= 167);
}

// What the operator uses while the amplifier misbehaves.
enum class Operated { Level3, GroupLevel1, Source4, Band3, MasterVolume };

// A control that shows one value of the amplifier.
enum class ValueControl { Level, Mute, Source, Gain, Band };

QWidget* valueControl(panel::OrfaForm& form, ValueControl control) {
    switch (control) {
    case ValueControl::Level:
        return form.outputStrip(3)->levelSlider();
    case ValueControl::Mute:
        return form.outputStrip(3)->muteBox();
    case ValueControl::Source:
        return form.outputStrip(3)->sourceButton(4);
    case ValueControl::Gain:
        return form.inputBox(2)->slider(0);
    case ValueControl::Band:
        return form.inputBox(2)->slider(3);
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Operated)
Q_DECLARE_METATYPE(ValueControl)

class TestDisplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outputPageShowsLevelsAndSources();
    void inputsPageShowsGainsBandsAndFrequency();
    void controlsStayDisabledUntilTheAmplifierIsOn();
    void enablingFollowsFlagsAndRights();
    void presetMenusFollowTheirRights();
    void controlsWaitForTheirFirstReading_data();
    void controlsWaitForTheirFirstReading();
    void unconfirmedSettingsAreNamed_data();
    void unconfirmedSettingsAreNamed();
    void connectionPanelShowsTheAttempt();
    void linkPanelsSayTheState();
    void iconsArePaintedWhenAskedFor();
    void secondOutputPageIsBuiltWhenShown_data();
    void secondOutputPageIsBuiltWhenShown();
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
    panel::OrfaForm& form = rig.form();
    QTRY_COMPARE(form.masterVolumeSlider()->value(), 70);
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(form.outputStrip(n)->levelSlider()->value(), (n - 1) * 5);
        const int expected = n == 5 || n == 6 ? 0 : (n - 1) % 10 + 1;
        QCOMPARE(form.outputStrip(n)->selectedSource(), expected);
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
    panel::OrfaForm& form = rig.form();
    QTRY_COMPARE(form.frequencyLabel()->text(), QStringLiteral("87.05 MHz"));
    QCOMPARE(accessibleName(form.frequencyLabel()),
             QStringLiteral("Naladěná frekvence rádia: 87.05 MHz"));
    QCOMPARE(form.inputBox(3)->slider(0)->value(), 9);
    QCOMPARE(form.inputBox(3)->slider(3)->value(), 20);
    QCOMPARE(form.inputBox(5)->slider(0)->value(), 0);  // negative: the top end
    QCOMPARE(form.inputBox(1)->slider(1)->value(), 12); // 0 dB
    for (int code : rig.receivedInstructions())
        QVERIFY2(!isSettingCommand(code), qPrintable(QString::number(code)));
}

void TestDisplay::controlsStayDisabledUntilTheAmplifierIsOn() {
    PanelRig rig(PanelRig::allEnabled());
    rig.sim().state().power = false;
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    QTRY_COMPARE(rig.statusBarText(), QStringLiteral("Vypnuto"));
    panel::OrfaForm& form = rig.form();
    QWidget* powerPanel = form.powerStatusBar()->panel(panel::PowerStatusBar::kPowerPanel);
    QCOMPARE(accessibleName(powerPanel), QStringLiteral("Stav zesilovače: Vypnuto"));
    QVERIFY(!form.powerAction()->isChecked());
    QVERIFY(!rig.amplifierOn());
    for (int n = 1; n <= 16; ++n) {
        QVERIFY(!form.outputStrip(n)->levelSlider()->isEnabled());
        QVERIFY(!form.outputStrip(n)->muteBox()->isEnabled());
        for (int i = 1; i <= 10; ++i)
            QVERIFY(!form.outputStrip(n)->sourceButton(i)->isEnabled());
    }
    for (int k = 1; k <= 5; ++k) {
        for (int j = 0; j <= 5; ++j)
            QVERIFY(!form.inputBox(k)->slider(j)->isEnabled());
    }
    QVERIFY(!form.masterVolumeSlider()->isEnabled());
    QVERIFY(!form.radio()->memoryButton(1)->isEnabled());

    // The amplifier is switched on elsewhere; the next page change sees it.
    rig.sim().state().power = true;
    form.pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    QTRY_COMPARE(rig.statusBarText(), QStringLiteral("Zapnuto"));
    QCOMPARE(accessibleName(powerPanel), QStringLiteral("Stav zesilovače: Zapnuto"));
    QVERIFY(form.powerAction()->isChecked());
    QVERIFY(form.outputStrip(16)->levelSlider()->isEnabled());
    QVERIFY(form.masterVolumeSlider()->isEnabled());
    QVERIFY(form.radio()->memoryButton(9)->isEnabled());
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
    QVERIFY(rig.readEveryPage());
    panel::OrfaForm& form = rig.form();
    QTRY_VERIFY(rig.amplifierOn());

    // Box 2 serves sources 3 and 4: on because source 4 is.
    QVERIFY(form.inputBox(2)->isEnabled());
    QVERIFY(form.inputBox(2)->slider(5)->isEnabled());
    QCOMPARE(form.inputBox(2)->title(), QStringLiteral("Mikrofon „A“, Vstup 4"));
    QVERIFY(!form.inputBox(3)->slider(0)->isEnabled()); // sources 5 and 6 both off
    QVERIFY(!form.inputBox(3)->bandLabel(2)->isEnabled());
    QCOMPARE(form.outputStrip(1)->sourceButton(3)->text(), QStringLiteral("Mikrofon „A“"));
    QCOMPARE(form.outputStrip(2)->sourceGroup()->title(), QStringLiteral("Hala č. 2"));
    QVERIFY(!form.outputStrip(7)->sourceGroup()->isEnabled());
    QVERIFY(!form.outputStrip(7)->levelSlider()->isEnabled());

    // A user who may not switch output 3, nor use source 8, nor change output 4's volume.
    users::UserRights rights = rig.data().rights();
    rights.sourceSwitching[2] = QLatin1Char('0');
    rights.outputs[3] = QLatin1Char('0');
    rights.inputs = QStringLiteral("ABCDEFGHIJKLMNOPQ0STUVWXYZ");
    rights.deriveEnabledInputs();
    rights.masterVolume = 0;
    rights.radio = 2; // only 1 grants
    rig.data().setRights(rights);
    form.enableControlsByRights();
    QVERIFY(!form.outputStrip(3)->sourceGroup()->isEnabled());
    QVERIFY(
        !form.outputStrip(3)->levelSlider()->isEnabled()); // settings file: the matrix right counts
    QVERIFY(!form.outputStrip(3)->muteBox()->isEnabled());
    QVERIFY(form.outputStrip(4)->sourceGroup()->isEnabled());
    QVERIFY(!form.outputStrip(4)->levelSlider()->isEnabled());
    for (int n : {1, 2, 16}) {
        QVERIFY(!form.outputStrip(n)->sourceButton(8)->isEnabled());
        QVERIFY(form.outputStrip(n)->sourceButton(7)->isEnabled());
        QVERIFY(form.outputStrip(n)->levelSlider()->isEnabled());
    }
    QVERIFY(!form.masterVolumeSlider()->isEnabled());
    QVERIFY(!form.radio()->memoryButton(1)->isEnabled());
    QVERIFY(!form.frequencyLabel()->isEnabled());
}

void TestDisplay::presetMenusFollowTheirRights() {
    PanelRig rig(PanelRig::allEnabled());
    rig.sim().state().power = true;
    QVERIFY(rig.start());
    QTRY_VERIFY(rig.amplifierOn());
    panel::OrfaForm& form = rig.form();
    QVERIFY(form.presetsMenu()->menuAction()->isVisible());
    QVERIFY(form.storeMenu()->menuAction()->isVisible());
    QVERIFY(form.optionsAction()->isEnabled());

    users::UserRights rights = rig.data().rights();
    rights.storePresets = 0;
    rig.data().setRights(rights);
    form.enableControlsByRights();
    QVERIFY(form.presetsMenu()->menuAction()->isVisible());
    QVERIFY(!form.storeMenu()->menuAction()->isVisible());

    rights.activatePresets = 0;
    rights.storePresets = 1;
    rig.data().setRights(rights);
    form.enableControlsByRights();
    QVERIFY(!form.presetsMenu()->menuAction()->isVisible());
    QVERIFY(!form.presetsMenu()->isEnabled());
    // Assistive technology reaches the items of a hidden menu: they are disabled too.
    QVERIFY(rig.waitForIdleQueue());
    QAccessibleInterface* recall =
        QAccessible::queryAccessibleInterface(form.presetsMenu())->child(0);
    QVERIFY(recall->state().disabled);
    recall->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    form.presetsMenu()->actions().at(1)->trigger();
    QCOMPARE(rig.data().link().queuedCount(), 0);
    QVERIFY(form.storeMenu()->actions().at(0)->isEnabled());
}

void TestDisplay::controlsWaitForTheirFirstReading_data() {
    QTest::addColumn<ValueControl>("control");
    QTest::addColumn<int>("startPage"); // a page that does not read the control's value
    const int inputs = panel::OrfaForm::kInputsPage;
    const int outputs = panel::OrfaForm::kOutputs1Page;
    QTest::newRow("output level") << ValueControl::Level << inputs;
    QTest::newRow("mute box") << ValueControl::Mute << inputs;
    QTest::newRow("source item") << ValueControl::Source << inputs;
    QTest::newRow("input gain") << ValueControl::Gain << outputs;
    QTest::newRow("input band") << ValueControl::Band << outputs;
}

// The amplifier is on and everything allowed, yet a control whose value has
// not been read is disabled and says why; the page that reads it enables it.
void TestDisplay::controlsWaitForTheirFirstReading() {
    QFETCH(ValueControl, control);
    QFETCH(int, startPage);
    PanelRig rig(PanelRig::allEnabled() << QStringLiteral("ActivePageOrfaForm=%1").arg(startPage));
    rig.sim().state().power = true;
    QVERIFY(rig.start());
    QTRY_VERIFY(rig.amplifierOn());
    QVERIFY(rig.waitForIdleQueue());
    panel::OrfaForm& form = rig.form();
    QWidget* shown = valueControl(form, control);
    QVERIFY(form.masterVolumeSlider()->isEnabled()); // read by every page
    QVERIFY(!shown->isEnabled());
    QCOMPARE(accessibleDescription(shown), QStringLiteral("Hodnota zatím není známa"));

    form.pages()->setCurrentIndex(startPage == panel::OrfaForm::kInputsPage
                                      ? panel::OrfaForm::kOutputs1Page
                                      : panel::OrfaForm::kInputsPage);
    QTRY_VERIFY(shown->isEnabled());
    QCOMPARE(shown->accessibleDescription(), QString()); // what the widget says by itself again
    QCOMPARE(form.masterVolumeSlider()->accessibleDescription(), QString());
}

void TestDisplay::unconfirmedSettingsAreNamed_data() {
    QTest::addColumn<bool>("silent"); // the amplifier answers nothing; else it refuses
    QTest::addColumn<Operated>("operated");
    QTest::addColumn<QString>("message");
    QTest::newRow("level refused")
        << false << Operated::Level3 << QStringLiteral("Zesilovač nepotvrdil: výstup 3 hlasitost");
    QTest::newRow("group level refused")
        << false << Operated::GroupLevel1
        << QStringLiteral("Zesilovač nepotvrdil: výstupy 1, 2 hlasitost");
    QTest::newRow("source refused")
        << false << Operated::Source4 << QStringLiteral("Zesilovač nepotvrdil: výstup 4 zdroj");
    QTest::newRow("band refused") << false << Operated::Band3
                                  << QStringLiteral(
                                         "Zesilovač nepotvrdil: vstupy 5 a 6 pásmo 1kHz");
    QTest::newRow("master volume unanswered")
        << true << Operated::MasterVolume
        << QStringLiteral("Zesilovač nepotvrdil: celková hlasitost");
}

// A setting the amplifier refuses or never answers is named in the status bar, for a
// screen reader too, until an answer carries its value again.
void TestDisplay::unconfirmedSettingsAreNamed() {
    QFETCH(bool, silent);
    QFETCH(Operated, operated);
    QFETCH(QString, message);
    PanelRig rig(PanelRig::allEnabled());
    rig.sim().state().power = true;
    QVERIFY(rig.start());
    QTRY_VERIFY(rig.amplifierOn());
    QVERIFY(rig.readEveryPage());
    panel::OrfaForm& form = rig.form();
    QWidget* shown = form.powerStatusBar()->panel(panel::PowerStatusBar::kUnconfirmedPanel);
    QCOMPARE(accessibleName(shown), QString());
    rig.data().amplifier().setOutputGroup(1, 1);
    rig.data().amplifier().setOutputGroup(2, 1);

    sim::Faults& faults = rig.sim().faults();
    faults.silent = silent;
    faults.ackCode = silent ? 0 : 2;
    switch (operated) {
    case Operated::Level3:
        drag(form.outputStrip(3)->levelSlider(), 40);
        break;
    case Operated::GroupLevel1:
        drag(form.outputStrip(1)->levelSlider(), 40);
        break;
    case Operated::Source4:
        QTest::mouseClick(form.outputStrip(4)->sourceButton(5), Qt::LeftButton);
        break;
    case Operated::Band3:
        drag(form.inputBox(3)->slider(3), 20);
        break;
    case Operated::MasterVolume:
        drag(form.masterVolumeSlider(), 100);
        break;
    }
    QTRY_COMPARE(accessibleName(shown), message);

    faults = sim::Faults{};
    form.refreshInputsPage();
    form.refreshOutputsPage();
    QTRY_COMPARE(accessibleName(shown), QString());
}

// An amplifier whose connection takes a while: "Připojuji..." until it is made.
void TestDisplay::connectionPanelShowsTheAttempt() {
    StalledListener amplifier;
    PanelRig rig;
    rig.data().settings().writeText(config::keys::PortZesE, QString::number(amplifier.port()));
    rig.create();
    panel::PowerStatusBar* bar = rig.form().powerStatusBar();
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

void TestDisplay::secondOutputPageIsBuiltWhenShown_data() {
    QTest::addColumn<bool>("power");
    QTest::addColumn<bool>("storedPage");
    // As the options dialog does on closing: names and rights anew, whatever the power.
    QTest::addColumn<bool>("namesAgain");
    QTest::newRow("shown later, amplifier on") << true << false << false;
    QTest::newRow("shown later, amplifier off") << false << false << false;
    QTest::newRow("names applied again, amplifier off") << false << false << true;
    QTest::newRow("the page shown at start") << true << true << false;
}

// Built when first shown, its strips show what the first page's would: the
// amplifier's values, the names, the flags and the power state.
void TestDisplay::secondOutputPageIsBuiltWhenShown() {
    QFETCH(bool, power);
    QFETCH(bool, storedPage);
    QFETCH(bool, namesAgain);
    QStringList settings = PanelRig::allEnabled();
    settings.removeOne(QStringLiteral("Vystup13En=1"));
    settings << QStringLiteral("VstupyRG=1") << QStringLiteral("Vystup13En=0")
             << QStringLiteral("Vystup12Nzv=Sál „B“")
             << QStringLiteral("ActivePageOrfaForm=%1").arg(storedPage ? 2 : 0);
    PanelRig rig(settings);
    sim::AmpState& amp = rig.sim().state();
    amp.power = power;
    amp.mix.levels[11] = 33;
    amp.mix.sources[11] = 4;
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    QTRY_COMPARE(rig.statusBarText(),
                 power ? QStringLiteral("Zapnuto") : QStringLiteral("Vypnuto"));
    panel::OrfaForm& form = rig.form();
    QWidget* page = form.pages()->widget(panel::OrfaForm::kOutputs9Page);
    QCOMPARE(page->findChildren<panel::OutputStrip*>().size(), storedPage ? 8 : 0);

    if (namesAgain)
        form.applyNames();
    form.pages()->setCurrentIndex(panel::OrfaForm::kOutputs9Page);
    QVERIFY(rig.waitForIdleQueue());
    QCOMPARE(page->findChildren<panel::OutputStrip*>().size(), 8);
    panel::OutputStrip* strip = form.outputStrip(12);
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->parentWidget(), page);
    QCOMPARE(strip->levelSlider()->value(), 33);
    QCOMPARE(strip->selectedSource(), 4);
    QCOMPARE(strip->sourceGroup()->title(), QStringLiteral("Sál „B“"));
    QCOMPARE(accessibleName(strip->levelSlider()), QStringLiteral("Hlasitost výstupu Sál „B“"));
    QCOMPARE(strip->levelSlider()->isEnabled(), power || namesAgain);
    QCOMPARE(strip->sourceButton(2)->isEnabled(), power || namesAgain);
    QCOMPARE(strip->levelSlider()->isEnabled(), form.outputStrip(4)->levelSlider()->isEnabled());
    QVERIFY(!form.outputStrip(13)->sourceGroup()->isEnabled());
    QVERIFY(strip->sourceGroup()->isEnabled());
}

// The window icon and the menu bar's overflow arrow are painted only when
// asked for; asked for, they are whole.
void TestDisplay::iconsArePaintedWhenAskedFor() {
    const QIcon icon = panel::appIcon();
    QCOMPARE(icon.availableSizes().size(), 5);
    for (const QSize& size : icon.availableSizes()) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
    }

    const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const panel::PanelStyle panelStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStyle& style = panelStyle;
    const QImage expected = fusion->standardIcon(arrow).pixmap(16).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(style.standardIcon(arrow).pixmap(16).toImage(), expected);
    QCOMPARE(style.standardIcon(QStyle::SP_DialogOkButton).pixmap(16).toImage(),
             fusion->standardIcon(QStyle::SP_DialogOkButton).pixmap(16).toImage());
}

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
