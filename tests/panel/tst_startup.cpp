// The main window's start-up: which requests go out in which order, when
// nothing may be requested, and the page that is remembered between runs.
#include "link/Instructions.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "panel/support/PanelRig.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace orfa;
using Codes = std::vector<int>;
Q_DECLARE_METATYPE(Codes)

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRequestsFollowTheStoredPage_data();
    void firstRequestsFollowTheStoredPage();
    void pageChangesRequestTheirValues();
    void nothingIsRequestedBeforeStartUpEnds();
    void sixteenOutputsShowTheThirdTab();
    void activePageIsRestored();
    void closeAndMinimiseHideOnlyToATray_data();
    void closeAndMinimiseHideOnlyToATray();
    void unreachableDatabaseGrantsNothing();
};

void TestStartup::firstRequestsFollowTheStoredPage_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<int>("page");
    QTest::addColumn<Codes>("wire");
    // The power request of the start-up is queued first; the page's own power
    // request replaces it in its slot.
    const Codes inputs{171, 80, 83, 173};
    const Codes outputs{171, 82, 81, 80};
    QTest::newRow("no page stored") << QStringList{} << 0 << inputs;
    QTest::newRow("inputs") << QStringList{QStringLiteral("ActivePageOrfaForm=0")} << 0 << inputs;
    QTest::newRow("outputs 1-8") << QStringList{QStringLiteral("ActivePageOrfaForm=1")} << 1
                                 << outputs;
    QTest::newRow("outputs 9-16") << QStringList{QStringLiteral("ActivePageOrfaForm=2"),
                                                 QStringLiteral("VstupyRG=1")}
                                  << 2 << outputs;
    QTest::newRow("outputs 9-16 while hidden")
        << QStringList{QStringLiteral("ActivePageOrfaForm=2")} << 1 << outputs;
    QTest::newRow("out of range") << QStringList{QStringLiteral("ActivePageOrfaForm=7")} << 1
                                  << outputs;
}

void TestStartup::firstRequestsFollowTheStoredPage() {
    QFETCH(QStringList, settings);
    QFETCH(int, page);
    QFETCH(Codes, wire);
    PanelRig rig(settings);
    QVERIFY(rig.start());
    QCOMPARE(rig.form().pages()->currentIndex(), page);
    QVERIFY(rig.waitForIdleQueue());
    QCOMPARE(rig.receivedInstructions(), wire);
}

void TestStartup::pageChangesRequestTheirValues() {
    PanelRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.waitForIdleQueue());
    rig.sim().clearReceivedFrames();
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    QVERIFY(rig.waitForFrames(4));
    QVERIFY(rig.waitForIdleQueue());
    QCOMPARE(rig.receivedInstructions(), (Codes{82, 81, 80, 171}));

    rig.sim().clearReceivedFrames();
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    QVERIFY(rig.waitForFrames(4));
    QVERIFY(rig.waitForIdleQueue());
    QCOMPARE(rig.receivedInstructions(), (Codes{80, 83, 173, 171}));
}

void TestStartup::nothingIsRequestedBeforeStartUpEnds() {
    PanelRig rig;
    // Not shown: the start-up sequence has not run.
    panel::OrfaForm& form = rig.form();
    form.pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    form.pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    form.refreshInputsPage();
    form.refreshOutputsPage();
    // Nor do the operator's acts go anywhere; the controls show the model again.
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();
    QAccessible::queryAccessibleInterface(form.outputStrip(1)->muteBox())
        ->actionInterface()
        ->doAction(toggle);
    QAccessible::queryAccessibleInterface(form.outputStrip(1)->sourceButton(2))
        ->actionInterface()
        ->doAction(toggle);
    QAccessible::queryAccessibleInterface(form.presetsMenu())
        ->child(0)
        ->actionInterface()
        ->doAction(press);
    drag(form.outputStrip(1)->levelSlider(), 40);
    QVERIFY(!form.outputStrip(1)->muteBox()->isChecked());
    QCOMPARE(form.outputStrip(1)->selectedSource(), 0);
    QCOMPARE(form.outputStrip(1)->levelSlider()->value(), 0);
    QCOMPARE(rig.data().link().queuedCount(), 0);
    QTest::qWait(150);
    QVERIFY(rig.sim().receivedFrames().empty());
}

void TestStartup::sixteenOutputsShowTheThirdTab() {
    for (const auto& [value, visible] :
         {std::pair{QStringLiteral("VstupyRG=1"), true},
          std::pair{QStringLiteral("VstupyRG=0"), false},
          std::pair{QStringLiteral("VstupyRG=2"), false}, std::pair{QString(), false}}) {
        PanelRig rig({value});
        QVERIFY(rig.start());
        QCOMPARE(rig.form().pages()->isTabVisible(panel::OrfaForm::kOutputs9Page), visible);
    }
}

void TestStartup::activePageIsRestored() {
    PanelRig rig({QStringLiteral("VstupyRG=1")});
    QVERIFY(rig.start());
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kOutputs9Page);
    rig.form().quit();
    QVERIFY(rig.settingsText().contains(QStringLiteral("ActivePageOrfaForm=2")));

    rig.create();
    QVERIFY(rig.start());
    QCOMPARE(rig.form().pages()->currentIndex(), panel::OrfaForm::kOutputs9Page);
}

void TestStartup::closeAndMinimiseHideOnlyToATray_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("closeHides");
    QTest::addColumn<bool>("minimiseHides");
    QTest::newRow("close to the tray") << QStringLiteral("MinimizeChb=1") << true << true << false;
    QTest::newRow("close, no tray") << QStringLiteral("MinimizeChb=1") << false << false << false;
    QTest::newRow("minimise to the tray")
        << QStringLiteral("SysTrayChb=1") << true << false << true;
    QTest::newRow("minimise, no tray") << QStringLiteral("SysTrayChb=1") << false << false << false;
    QTest::newRow("neither") << QString() << true << false << false;
}

// Hidden only where a tray icon can bring the window back; otherwise closing
// ends the program and minimising minimises.
void TestStartup::closeAndMinimiseHideOnlyToATray() {
    QFETCH(QString, option);
    QFETCH(bool, tray);
    QFETCH(bool, closeHides);
    QFETCH(bool, minimiseHides);
    PanelRig rig({option});
    rig.form().setTrayAvailableCheck([tray] { return tray; });
    QVERIFY(rig.start());
    panel::OrfaForm& form = rig.form();

    form.showMinimized();
    QTest::qWait(0); // the hiding is queued
    QCOMPARE(form.isHidden(), minimiseHides);
    QVERIFY(form.isMinimized() || form.isHidden());
    form.showFromTray();
    QVERIFY(form.isVisible() && !form.isMinimized());

    form.pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    QCOMPARE(form.close(), !closeHides); // refused when hidden to the tray
    QVERIFY(form.isHidden());
    QVERIFY(rig.settingsText().contains(QStringLiteral("ActivePageOrfaForm=1")));
    if (!closeHides)
        return;
    form.showFromTray();
    QVERIFY(form.isVisible());
    form.pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    form.quit(); // "&Konec" always ends
    QVERIFY(form.isHidden());
    QVERIFY(rig.settingsText().contains(QStringLiteral("ActivePageOrfaForm=0")));
}

void TestStartup::unreachableDatabaseGrantsNothing() {
    // Port 1 on the loopback: nobody listens, the connection fails at once.
    PanelRig rig({QStringLiteral("DBChb=1"), QStringLiteral("DBIPE=127.0.0.1"),
                  QStringLiteral("DBPortE=1"), QStringLiteral("DBCestaE=/tmp/orfa-none.fdb"),
                  QStringLiteral("DBLoginE=orfa"), QStringLiteral("DBHesloE=heslo"),
                  QStringLiteral("LoginChb=0")});
    rig.sim().state().power = true;
    QString shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        box->accept();
    });
    QVERIFY(rig.start());
    QVERIFY(shown.contains(QStringLiteral("DBChb=0")));
    QVERIFY(shown.contains(rig.settingsPath()));
    QVERIFY(!rig.data().databaseConnected());
    QCOMPARE(rig.data().rights(), users::UserRights::noRights());
    QVERIFY(!rig.form().optionsAction()->isEnabled());
    // The amplifier's address lives in the database too, so it is never
    // reached; even a report that it is on enables nothing.
    rig.data().amplifier().setPower(link::PowerState::On);
    QVERIFY(rig.amplifierOn());
    QVERIFY(!rig.form().masterVolumeSlider()->isEnabled());
    QVERIFY(!rig.form().outputStrip(1)->levelSlider()->isEnabled());
    QVERIFY(!rig.form().radio()->memoryButton(1)->isEnabled());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
