// The main window's start-up: which requests go out in which order, when
// nothing may be requested, and the page that is remembered between runs.
#include "link/Instructions.h"
#include "panel/support/PanelRig.h"

#include <QTabWidget>
#include <QTest>

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
    void closeHidesToTrayOnlyWhenAsked();
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
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    rig.form().VstupyShow();
    rig.form().TabSheet1Show();
    QCOMPARE(rig.data().link().queue().PaketyPosition(), 0);
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
    rig.form().Konec1Click();
    QVERIFY(rig.settingsText().contains(QStringLiteral("ActivePageOrfaForm=2")));

    rig.create();
    QVERIFY(rig.start());
    QCOMPARE(rig.form().pages()->currentIndex(), panel::OrfaForm::kOutputs9Page);
}

void TestStartup::closeHidesToTrayOnlyWhenAsked() {
    PanelRig rig({QStringLiteral("MinimizeChb=1")});
    QVERIFY(rig.start());
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    QVERIFY(!rig.form().close()); // refused: hidden to the tray
    QVERIFY(rig.form().isHidden());
    QVERIFY(rig.settingsText().contains(QStringLiteral("ActivePageOrfaForm=1")));

    rig.form().Tray1Click();
    QVERIFY(rig.form().isVisible());
    rig.form().pages()->setCurrentIndex(panel::OrfaForm::kInputsPage);
    rig.form().Konec1Click(); // "&Konec" always ends
    QVERIFY(rig.form().isHidden());
    QVERIFY(rig.settingsText().contains(QStringLiteral("ActivePageOrfaForm=0")));

    PanelRig plain;
    QVERIFY(plain.start());
    QVERIFY(plain.form().close());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
