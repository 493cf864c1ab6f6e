// Names, enable flags and groups carried from the settings file and from the central
// database (a real Firebird server on 127.0.0.1) into the main window: captions, enabled
// states, the group of every output, and a group built in the settings dialog moving its
// members' sliders together up to the amplifier.
#include "config/Database.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "panel/support/PanelRig.h"
#include "settings/GroupEditor.h"
#include "settings/GroupsPage.h"
#include "settings/SettingsDialog.h"
#include "support/TestDatabase.h"
#include "support/WhenShown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace orfa;

class TestNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void freshFileGivesDefaultsAndNothingEnabled();
    void captionsAndEnabling_data();
    void captionsAndEnabling();
    void databaseWithoutRowsKeepsWhatIsShown();
    void groupsFromTheFile();
    void groupsFromTheDatabase();
    void groupBuiltInTheDialogMovesTogether_data();
    void groupBuiltInTheDialogMovesTogether();

private:
    bool databaseRequired();
    void putNst(const QString& name, const QString& text, int number);
    // A panel on the central database whose NST holds the simulator's address and rows.
    std::unique_ptr<PanelRig> databaseRig(const std::function<void()>& rows);

    test::TestDatabase testDb_;
    std::unique_ptr<config::Database> direct_;
};

namespace {

QString outputCaption(panel::OrfaForm& form, int n) {
    return form.outputStrip(n)->sourceGroup()->title();
}

// Whether every control of input box k is enabled (true) or disabled (false); nothing when
// they differ.
std::optional<bool> boxEnabled(panel::OrfaForm& form, int k) {
    panel::InputBox* box = form.inputBox(k);
    std::vector<QWidget*> controls{box};
    for (int j = 0; j <= 5; ++j)
        controls.push_back(box->slider(j));
    for (int band = 1; band <= 5; ++band)
        controls.push_back(box->bandLabel(band));
    const bool first = controls.front()->isEnabled();
    for (const QWidget* control : controls) {
        if (control->isEnabled() != first)
            return std::nullopt;
    }
    return first;
}

std::vector<int> groupNumbers(PanelRig& rig) {
    std::vector<int> groups;
    for (int n = 1; n <= 16; ++n)
        groups.push_back(rig.data().amplifier().outputGroup(n));
    return groups;
}

} // namespace

void TestNames::init() {
    direct_.reset();
}

void TestNames::cleanup() {
    direct_.reset();
}

bool TestNames::databaseRequired() {
    if (!testDb_.found())
        return false;
    direct_ = std::make_unique<config::Database>();
    if (!direct_->open(testDb_.login()))
        return false;
    test::TestDatabase::clearTables(*direct_);
    return true;
}

void TestNames::putNst(const QString& name, const QString& text, int number) {
    direct_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), ?, ?, ?)"),
                     {name, text, number});
}

std::unique_ptr<PanelRig> TestNames::databaseRig(const std::function<void()>& rows) {
    auto rig = std::make_unique<PanelRig>(testDb_.settingsLines());
    putNst(QStringLiteral("IPZesE"), QStringLiteral("127.0.0.1"), 0);
    putNst(QStringLiteral("PortZesE"), QString::number(rig->sim().port()), 0);
    rows();
    direct_->execute(QStringLiteral("commit"));
    rig->create();
    return rig;
}

#define REQUIRE_DATABASE()                                                                         \
    do {                                                                                           \
        ORFA_REQUIRE_TEST_DATABASE(testDb_);                                                       \
        QVERIFY2(databaseRequired(), "the test database does not answer");                         \
    } while (false)

void TestNames::freshFileGivesDefaultsAndNothingEnabled() {
    PanelRig rig;
    rig.sim().state().power = true;
    QVERIFY(rig.start());
    QTRY_VERIFY(rig.amplifierOn());
    QVERIFY(rig.waitForIdleQueue());
    panel::OrfaForm& form = rig.form();
    QCOMPARE(form.inputBox(1)->title(), QStringLiteral("Vstup 1, Vstup 2"));
    QCOMPARE(form.inputBox(5)->title(), QStringLiteral("Vstup 9, Vstup 10"));
    for (int n : {1, 16}) {
        QCOMPARE(form.outputStrip(n)->sourceButton(10)->text(), QStringLiteral("Vstup 10"));
        QCOMPARE(outputCaption(form, n), QStringLiteral("Výstup %1").arg(n));
        QVERIFY(!form.outputStrip(n)->sourceGroup()->isEnabled());
        QVERIFY(!form.outputStrip(n)->sourceButton(1)->isEnabled());
        QVERIFY(!form.outputStrip(n)->levelSlider()->isEnabled());
        QVERIFY(!form.outputStrip(n)->muteBox()->isEnabled());
    }
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(boxEnabled(form, k), std::optional<bool>(false));
    for (int r = 1; r <= 9; ++r)
        QCOMPARE(form.radio()->memoryButton(r)->text(), QString::number(r));
    // The default names are no configured names: a screen reader hears the numbers.
    QCOMPARE(accessibleName(form.outputStrip(16)->sourceButton(10)),
             QStringLiteral("Zdroj 10 výstupu 16"));
    QCOMPARE(accessibleName(form.inputBox(5)->slider(0)), QStringLiteral("Zisk vstupů 9 a 10"));
}

void TestNames::captionsAndEnabling_data() {
    QTest::addColumn<bool>("fromDatabase");
    QTest::newRow("settings file") << false;
    QTest::newRow("central database") << true;
}

// Source 9 named and on, source 10 named and off; output 5 on, but the user may not switch
// its source; output 6 on, its volume not allowed; memory 2 named.
void TestNames::captionsAndEnabling() {
    QFETCH(bool, fromDatabase);
    const std::vector<std::tuple<QString, QString, int>> rows{
        {QStringLiteral("Vstup9En"), QStringLiteral("Rádio L"), 1},
        {QStringLiteral("Vstup10En"), QStringLiteral("Rádio R & mono"), 0},
        {QStringLiteral("Vystup5En"), QStringLiteral("Hala"), 1},
        {QStringLiteral("Vystup6En"), QStringLiteral("Jídelna"), 1},
        {QStringLiteral("RadioJmeno2"), QStringLiteral("Vltava"), 0}};
    std::unique_ptr<PanelRig> rig;
    if (fromDatabase) {
        REQUIRE_DATABASE();
        rig = databaseRig([&] {
            for (const auto& [name, text, number] : rows)
                putNst(name, text, number);
        });
    } else {
        QStringList lines;
        for (const auto& [name, text, number] : rows) {
            if (name.startsWith(QLatin1String("Radio"))) {
                lines << name + QLatin1Char('=') + text;
                continue;
            }
            lines << name + QLatin1Char('=') + QString::number(number)
                  << name.chopped(2) + QStringLiteral("Nzv=") + text;
        }
        rig = std::make_unique<PanelRig>(lines);
    }
    QVERIFY(rig->start());
    QVERIFY(rig->readEveryPage());
    rig->data().grantAllRights();
    users::UserRights rights = rig->data().rights();
    rights.sourceSwitching[4] = QLatin1Char('0'); // output 5
    rights.outputs[5] = QLatin1Char('0');         // output 6
    rig->data().setRights(rights);
    rig->form().applyNames();

    panel::OrfaForm& form = rig->form();
    QCOMPARE(form.inputBox(5)->title(), QStringLiteral("Rádio L, Rádio R && mono"));
    QCOMPARE(boxEnabled(form, 5), std::optional<bool>(true));
    QCOMPARE(form.outputStrip(12)->sourceButton(9)->text(), QStringLiteral("Rádio L"));
    QCOMPARE(outputCaption(form, 5), QStringLiteral("Hala"));
    panel::OutputStrip* five = form.outputStrip(5);
    QVERIFY(!five->sourceGroup()->isEnabled());
    QVERIFY(!five->sourceButton(9)->isEnabled());
    // The settings file asks the switching right for the level too, the database does not.
    QCOMPARE(five->levelSlider()->isEnabled(), fromDatabase);
    QCOMPARE(five->muteBox()->isEnabled(), fromDatabase);
    panel::OutputStrip* six = form.outputStrip(6);
    QVERIFY(six->sourceGroup()->isEnabled());
    QVERIFY(six->sourceButton(9)->isEnabled());
    QVERIFY(!six->levelSlider()->isEnabled());
    QVERIFY(!six->muteBox()->isEnabled());
    QCOMPARE(form.radio()->memoryButton(2)->text(), QStringLiteral("Vltava"));
    QCOMPARE(form.radio()->memoryButton(3)->text(), QStringLiteral("3"));

    // A screen reader hears the names the captions show, numbers where none is configured.
    QCOMPARE(accessibleName(five->sourceButton(9)), QStringLiteral("Zdroj Rádio L výstupu Hala"));
    QCOMPARE(accessibleName(five->sourceButton(1)), QStringLiteral("Zdroj 1 výstupu Hala"));
    QCOMPARE(accessibleName(form.outputStrip(3)->sourceButton(10)),
             QStringLiteral("Zdroj Rádio R & mono výstupu 3"));
    QCOMPARE(accessibleName(five->sourceGroup()), QStringLiteral("Zdroj výstupu Hala"));
    QCOMPARE(accessibleName(five->levelSlider()), QStringLiteral("Hlasitost výstupu Hala"));
    QCOMPARE(accessibleName(five->muteBox()), QStringLiteral("Ztlumit výstup Hala"));
    QCOMPARE(accessibleName(form.inputBox(5)->slider(2)),
             QStringLiteral("Pásmo 250Hz vstupů Rádio L a Rádio R & mono"));
    QCOMPARE(accessibleName(form.radio()->memoryButton(2)), QStringLiteral("Paměť rádia Vltava"));
    QCOMPARE(accessibleName(form.radio()->memoryButton(3)), QStringLiteral("Paměť rádia 3"));

    // Renamed in the store: the next page shown while the amplifier is on reloads the names,
    // for the screen reader too.
    rig->data().amplifier().setPower(link::PowerState::On);
    if (fromDatabase) {
        direct_->execute(QStringLiteral("UPDATE NST SET HODNTXT = ? WHERE NAZEV = ?"),
                         {QStringLiteral("Aula"), QStringLiteral("Vystup5En")});
        direct_->execute(QStringLiteral("commit"));
    } else {
        rig->data().settings().writeText(QStringLiteral("Vystup5Nzv"), QStringLiteral("Aula"));
    }
    rig->form().pages()->setCurrentIndex(panel::OrfaForm::kOutputs1Page);
    QCOMPARE(accessibleName(five->sourceButton(9)), QStringLiteral("Zdroj Rádio L výstupu Aula"));
    QCOMPARE(accessibleName(five->levelSlider()), QStringLiteral("Hlasitost výstupu Aula"));
}

void TestNames::databaseWithoutRowsKeepsWhatIsShown() {
    REQUIRE_DATABASE();
    auto rig = databaseRig([&] {
        putNst(QStringLiteral("Vstup1En"), QStringLiteral("Jednička"), 1);
        putNst(QStringLiteral("Vstup4En"), QStringLiteral("Čtyřka"), 0);
        putNst(QStringLiteral("Vystup2En"), QStringLiteral("Dvojka"), 1);
    });
    QVERIFY(rig->start());
    QVERIFY(rig->readEveryPage());
    panel::OrfaForm& form = rig->form();
    // What an earlier run left on output 3.
    form.outputStrip(3)->sourceGroup()->setTitle(QStringLiteral("Dřív"));
    form.outputStrip(3)->levelSlider()->setEnabled(true);
    form.outputStrip(3)->sourceButton(2)->setEnabled(false);
    rig->form().applyNames();
    // A box with one row shows that source's name alone.
    QCOMPARE(form.inputBox(1)->title(), QStringLiteral("Jednička"));
    QCOMPARE(boxEnabled(form, 1), std::optional<bool>(true));
    QCOMPARE(form.inputBox(2)->title(), QStringLiteral("Čtyřka"));
    QCOMPARE(form.inputBox(3)->title(), QStringLiteral("Vstup0"));
    QCOMPARE(form.outputStrip(3)->sourceButton(1)->text(), QStringLiteral("Jednička"));
    QCOMPARE(form.outputStrip(3)->sourceButton(2)->text(), QStringLiteral("2"));
    QCOMPARE(form.outputStrip(3)->sourceButton(10)->text(), QStringLiteral("10. Mikrofon"));
    QCOMPARE(outputCaption(form, 2), QStringLiteral("Dvojka"));
    QVERIFY(form.outputStrip(2)->levelSlider()->isEnabled());
    QCOMPARE(outputCaption(form, 3), QStringLiteral("Dřív"));
    QVERIFY(form.outputStrip(3)->levelSlider()->isEnabled());
    QVERIFY(!form.outputStrip(3)->sourceButton(2)->isEnabled());
    for (int r = 1; r <= 9; ++r)
        QCOMPARE(form.radio()->memoryButton(r)->text(), QString::number(r));
}

void TestNames::groupsFromTheFile() {
    PanelRig rig({QStringLiteral("MaxIDSkupiny=300"), QStringLiteral("Skup_2_SkupinaPocet=2"),
                  QStringLiteral("Skup_2_IDVstupu1=4"), QStringLiteral("Skup_2_IDVstupu2=7"),
                  QStringLiteral("Skup_3_SkupinaPocet=3"), QStringLiteral("Skup_3_IDVstupu1=17"),
                  QStringLiteral("Skup_3_IDVstupu2=9"), QStringLiteral("Skup_3_IDVstupu3=4"),
                  QStringLiteral("Skup_3_IDVstupu4=11"), QStringLiteral("Skup_5_SkupinaPocet=-1"),
                  QStringLiteral("Skup_5_IDVstupu1=1"), QStringLiteral("Skup_300_SkupinaPocet=1"),
                  QStringLiteral("Skup_300_IDVstupu1=12")});
    QVERIFY(rig.start());
    std::vector<int> expected(16, 0);
    expected[3] = 3; // output 4 is in groups 2 and 3: the one read last counts
    expected[6] = 2;
    expected[8] = 3;
    expected[11] = 300; // more than 8 bits
    QCOMPARE(groupNumbers(rig), expected);

    // Taken out of group 2 in the settings dialog: output 7 moves alone from the next load.
    rig.data().settings().writeInteger(QStringLiteral("Skup_2_SkupinaPocet"), 1);
    rig.form().applyNames();
    expected[6] = 0;
    QCOMPARE(groupNumbers(rig), expected);
}

void TestNames::groupsFromTheDatabase() {
    REQUIRE_DATABASE();
    auto rig = databaseRig([&] {
        for (const char* row : {"(2, 4)", "(2, 7)", "(300, 12)", "(5, 17)", "(5, 0)"})
            direct_->execute(
                QStringLiteral("INSERT INTO SKUPINY VALUES %1").arg(QLatin1String(row)));
    });
    QVERIFY(rig->start());
    std::vector<int> expected(16, 0);
    expected[3] = 2;
    expected[6] = 2;
    expected[11] = 300;
    QCOMPARE(groupNumbers(*rig), expected);
}

void TestNames::groupBuiltInTheDialogMovesTogether_data() {
    QTest::addColumn<bool>("fromDatabase");
    QTest::newRow("settings file") << false;
    QTest::newRow("central database") << true;
}

// As the operator does it: "&Možnosti...", the page "Skupiny", "Nová", outputs 2, 6 and 9,
// OK in both dialogs, then a drag of output 6.
void TestNames::groupBuiltInTheDialogMovesTogether() {
    QFETCH(bool, fromDatabase);
    std::unique_ptr<PanelRig> rig;
    if (fromDatabase) {
        REQUIRE_DATABASE();
        rig = databaseRig([&] {
            for (int n = 1; n <= 16; ++n)
                putNst(QStringLiteral("Vystup%1En").arg(n), QStringLiteral("Zóna %1").arg(n), 1);
            putNst(QStringLiteral("VstupyRG"), QString(), 1);
        });
    } else {
        rig = std::make_unique<PanelRig>(PanelRig::allEnabled() << QStringLiteral("VstupyRG=1"));
    }
    rig->sim().state().power = true;
    QVERIFY(rig->start());
    QTRY_VERIFY(rig->amplifierOn());
    QVERIFY(rig->readEveryPage());

    int groupId = 0;
    WhenShown settings(QStringLiteral("settingsDialog"), [&](QDialog& dialog) {
        auto& form = static_cast<settings::SettingsDialog&>(dialog);
        form.pages()->setCurrentIndex(settings::SettingsDialog::kGroupsPage);
        WhenShown editor(QStringLiteral("groupEditor"), [&](QDialog& groupDialog) {
            auto& groupEditor = static_cast<settings::GroupEditor&>(groupDialog);
            groupId = groupEditor.groupId();
            for (int k : {2, 6, 9}) {
                QCheckBox* box = groupEditor.outputBox(k);
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            }
            QTest::mouseClick(groupEditor.okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(form.groupsPage().newButton(), Qt::LeftButton);
        QVERIFY(editor.ran());
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
    });
    rig->form().openSettings();
    QVERIFY(settings.ran());
    QVERIFY(!settings.leftOpen());
    QVERIFY(groupId > 0);
    panel::OrfaForm& form = rig->form();
    std::vector<int> expected(16, 0);
    for (int n : {2, 6, 9})
        expected[static_cast<std::size_t>(n - 1)] = groupId;
    QCOMPARE(groupNumbers(*rig), expected);

    QVERIFY(rig->waitForIdleQueue());
    rig->sim().clearReceivedFrames();
    const int outsider = form.outputStrip(5)->levelSlider()->value();
    drag(form.outputStrip(6)->levelSlider(), 33);
    QCOMPARE(form.outputStrip(2)->levelSlider()->value(), 33);
    QCOMPARE(form.outputStrip(9)->levelSlider()->value(), 33);
    QCOMPARE(form.outputStrip(5)->levelSlider()->value(), outsider);
    QVERIFY(rig->waitForIdleQueue());
    QCOMPARE(rig->receivedData(65),
             std::vector<QByteArray>{QByteArray::fromHex("0621022106210921")});
    const auto& levels = rig->sim().state().mix.levels;
    QCOMPARE(levels[1], 33);
    QCOMPARE(levels[5], 33);
    QCOMPARE(levels[8], 33);
}

QTEST_MAIN(TestNames)
#include "tst_names.moc"
