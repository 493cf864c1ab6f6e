// Names, enable flags and groups carried from the settings file and from the central
// database (a real Firebird server on 127.0.0.1) into the main window: captions, enabled
// states, the group of every output, and a group built in the settings dialog moving its
// members' sliders together up to the amplifier.
#include "config/Database.h"
#include "config/support/TestDatabase.h"
#include "panel/OutputStrip.h"
#include "panel/support/PanelRig.h"
#include "settings/GroupEditor.h"
#include "settings/GroupsPage.h"
#include "settings/SettingsDialog.h"
#include "settings/support/WhenShown.h"
#include "spinel/Spinel.h"

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

QString outputCaption(panel::PanelModel& model, int n) {
    return model.Vystup(n).RadioGroup->sourceGroup()->title();
}

// Whether every control of input box k is enabled (true) or disabled (false); nothing when
// they differ.
std::optional<bool> boxEnabled(panel::PanelModel& model, int k) {
    panel::TVstup& box = model.Vstup(k);
    std::vector<QWidget*> controls{box.GroupBox};
    for (std::size_t j = 0; j <= 5; ++j)
        controls.push_back(box.TrackBar.at(j));
    for (std::size_t band = 1; band <= 5; ++band)
        controls.push_back(box.Label.at(band));
    const bool first = controls.front()->isEnabled();
    for (const QWidget* control : controls) {
        if (control->isEnabled() != first)
            return std::nullopt;
    }
    return first;
}

std::vector<int> groupNumbers(panel::PanelModel& model) {
    std::vector<int> groups;
    for (int n = 1; n <= 16; ++n)
        groups.push_back(model.Vystup(n).IDSkupiny);
    return groups;
}

// What a drag with the mouse does to a slider.
void drag(QSlider* slider, int position) {
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
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
    QTRY_VERIFY(rig.data().amplifierOn());
    QVERIFY(rig.waitForIdleQueue());
    panel::PanelModel& model = rig.form().model();
    QCOMPARE(model.Vstup(1).GroupBox->title(), QStringLiteral("Vstup 1, Vstup 2"));
    QCOMPARE(model.Vstup(5).GroupBox->title(), QStringLiteral("Vstup 9, Vstup 10"));
    for (int n : {1, 16}) {
        QCOMPARE(model.Vystup(n).Tlacitko[10]->text(), QStringLiteral("Vstup 10"));
        QCOMPARE(outputCaption(model, n), QStringLiteral("Výstup %1").arg(n));
        QVERIFY(!model.Vystup(n).RadioGroup->sourceGroup()->isEnabled());
        QVERIFY(!model.Vystup(n).Tlacitko[1]->isEnabled());
        QVERIFY(!model.Vystup(n).TrackBar->isEnabled());
        QVERIFY(!model.Vystup(n).CheckBox->isEnabled());
    }
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(boxEnabled(model, k), std::optional<bool>(false));
    for (int r = 1; r <= 9; ++r)
        QCOMPARE(model.RadioTlac(r)->text(), QString::number(r));
    // The default names are no configured names: a screen reader hears the numbers.
    QCOMPARE(accessibleName(model.Vystup(16).Tlacitko[10]), QStringLiteral("Zdroj 10 výstupu 16"));
    QCOMPARE(accessibleName(model.Vstup(5).TrackBar[0]), QStringLiteral("Zisk vstupů 9 a 10"));
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
    QVERIFY(rig->waitForIdleQueue());
    rig->data().grantAllRights();
    users::UserRights rights = rig->data().rights();
    rights.sourceSwitching[4] = QLatin1Char('0'); // output 5
    rights.outputs[5] = QLatin1Char('0');         // output 6
    rig->data().setRights(rights);
    rig->form().NactiNazvyVstupuAVystupu();

    panel::PanelModel& model = rig->form().model();
    QCOMPARE(model.Vstup(5).GroupBox->title(), QStringLiteral("Rádio L, Rádio R && mono"));
    QCOMPARE(boxEnabled(model, 5), std::optional<bool>(true));
    QCOMPARE(model.Vystup(12).Tlacitko[9]->text(), QStringLiteral("Rádio L"));
    QCOMPARE(outputCaption(model, 5), QStringLiteral("Hala"));
    panel::TVystup& five = model.Vystup(5);
    QVERIFY(!five.RadioGroup->sourceGroup()->isEnabled());
    QVERIFY(!five.Tlacitko[9]->isEnabled());
    // The settings file asks the switching right for the level too, the database does not.
    QCOMPARE(five.TrackBar->isEnabled(), fromDatabase);
    QCOMPARE(five.CheckBox->isEnabled(), fromDatabase);
    panel::TVystup& six = model.Vystup(6);
    QVERIFY(six.RadioGroup->sourceGroup()->isEnabled());
    QVERIFY(six.Tlacitko[9]->isEnabled());
    QVERIFY(!six.TrackBar->isEnabled());
    QVERIFY(!six.CheckBox->isEnabled());
    QCOMPARE(model.RadioTlac(2)->text(), QStringLiteral("Vltava"));
    QCOMPARE(model.RadioTlac(3)->text(), QStringLiteral("3"));

    // A screen reader hears the names the captions show, numbers where none is configured.
    QCOMPARE(accessibleName(five.Tlacitko[9]), QStringLiteral("Zdroj Rádio L výstupu Hala"));
    QCOMPARE(accessibleName(five.Tlacitko[1]), QStringLiteral("Zdroj 1 výstupu Hala"));
    QCOMPARE(accessibleName(model.Vystup(3).Tlacitko[10]),
             QStringLiteral("Zdroj Rádio R & mono výstupu 3"));
    QCOMPARE(accessibleName(five.RadioGroup->sourceGroup()), QStringLiteral("Zdroj výstupu Hala"));
    QCOMPARE(accessibleName(five.TrackBar), QStringLiteral("Hlasitost výstupu Hala"));
    QCOMPARE(accessibleName(five.CheckBox), QStringLiteral("Ztlumit výstup Hala"));
    QCOMPARE(accessibleName(model.Vstup(5).TrackBar[2]),
             QStringLiteral("Pásmo 250Hz vstupů Rádio L a Rádio R & mono"));
    QCOMPARE(accessibleName(model.RadioTlac(2)), QStringLiteral("Paměť rádia Vltava"));
    QCOMPARE(accessibleName(model.RadioTlac(3)), QStringLiteral("Paměť rádia 3"));

    // Renamed in the store: the next "on" report reloads the names, for the screen reader too.
    if (fromDatabase) {
        direct_->execute(QStringLiteral("UPDATE NST SET HODNTXT = ? WHERE NAZEV = ?"),
                         {QStringLiteral("Aula"), QStringLiteral("Vystup5En")});
        direct_->execute(QStringLiteral("commit"));
    } else {
        rig->data().settings().writeText(QStringLiteral("Vystup5Nzv"), QStringLiteral("Aula"));
    }
    rig->form().ZobrazZapnutoVypnuto(spinel::SpinelMake('a', 1, 171, 0, {0xFF}));
    QCOMPARE(accessibleName(five.Tlacitko[9]), QStringLiteral("Zdroj Rádio L výstupu Aula"));
    QCOMPARE(accessibleName(five.TrackBar), QStringLiteral("Hlasitost výstupu Aula"));
}

void TestNames::databaseWithoutRowsKeepsWhatIsShown() {
    REQUIRE_DATABASE();
    auto rig = databaseRig([&] {
        putNst(QStringLiteral("Vstup1En"), QStringLiteral("Jednička"), 1);
        putNst(QStringLiteral("Vstup4En"), QStringLiteral("Čtyřka"), 0);
        putNst(QStringLiteral("Vystup2En"), QStringLiteral("Dvojka"), 1);
    });
    QVERIFY(rig->start());
    QVERIFY(rig->waitForIdleQueue());
    panel::PanelModel& model = rig->form().model();
    // What an earlier run left on output 3.
    model.Vystup(3).RadioGroup->sourceGroup()->setTitle(QStringLiteral("Dřív"));
    model.Vystup(3).TrackBar->setEnabled(true);
    model.Vystup(3).Tlacitko[2]->setEnabled(false);
    rig->form().NactiNazvyVstupuAVystupu();
    // A box with one row shows that source's name alone.
    QCOMPARE(model.Vstup(1).GroupBox->title(), QStringLiteral("Jednička"));
    QCOMPARE(boxEnabled(model, 1), std::optional<bool>(true));
    QCOMPARE(model.Vstup(2).GroupBox->title(), QStringLiteral("Čtyřka"));
    QCOMPARE(model.Vstup(3).GroupBox->title(), QStringLiteral("Vstup0"));
    QCOMPARE(model.Vystup(3).Tlacitko[1]->text(), QStringLiteral("Jednička"));
    QCOMPARE(model.Vystup(3).Tlacitko[2]->text(), QStringLiteral("2"));
    QCOMPARE(model.Vystup(3).Tlacitko[10]->text(), QStringLiteral("10. Mikrofon"));
    QCOMPARE(outputCaption(model, 2), QStringLiteral("Dvojka"));
    QVERIFY(model.Vystup(2).TrackBar->isEnabled());
    QCOMPARE(outputCaption(model, 3), QStringLiteral("Dřív"));
    QVERIFY(model.Vystup(3).TrackBar->isEnabled());
    QVERIFY(!model.Vystup(3).Tlacitko[2]->isEnabled());
    for (int r = 1; r <= 9; ++r)
        QCOMPARE(model.RadioTlac(r)->text(), QString::number(r));
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
    panel::PanelModel& model = rig.form().model();
    std::vector<int> expected(16, 0);
    expected[3] = 3; // output 4 is in groups 2 and 3: the one read last counts
    expected[6] = 2;
    expected[8] = 3;
    expected[11] = 300; // more than 8 bits
    QCOMPARE(groupNumbers(model), expected);

    // Taken out of group 2 in the settings dialog: output 7 moves alone from the next load.
    rig.data().settings().writeInteger(QStringLiteral("Skup_2_SkupinaPocet"), 1);
    rig.form().NactiNazvyVstupuAVystupu();
    expected[6] = 0;
    QCOMPARE(groupNumbers(model), expected);
}

void TestNames::groupsFromTheDatabase() {
    REQUIRE_DATABASE();
    auto rig = databaseRig([&] {
        for (const char* row : {"(2, 4)", "(2, 7)", "(300, 12)", "(5, 17)", "(5, 0)"})
            direct_->execute(
                QStringLiteral("INSERT INTO SKUPINY VALUES %1").arg(QLatin1String(row)));
    });
    QVERIFY(rig->start());
    panel::PanelModel& model = rig->form().model();
    std::vector<int> expected(16, 0);
    expected[3] = 2;
    expected[6] = 2;
    expected[11] = 300;
    QCOMPARE(groupNumbers(model), expected);
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
    QTRY_VERIFY(rig->data().amplifierOn());
    QVERIFY(rig->waitForIdleQueue());

    int groupId = 0;
    WhenShown settings(QStringLiteral("NstForm"), [&](QDialog& dialog) {
        auto& form = static_cast<settings::SettingsDialog&>(dialog);
        form.pages()->setCurrentIndex(settings::SettingsDialog::kGroupsPage);
        WhenShown editor(QStringLiteral("SkupinyEdit"), [&](QDialog& groupDialog) {
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
    rig->form().Monosti1Click();
    QVERIFY(settings.ran());
    QVERIFY(!settings.leftOpen());
    QVERIFY(groupId > 0);
    panel::PanelModel& model = rig->form().model();
    std::vector<int> expected(16, 0);
    for (int n : {2, 6, 9})
        expected[static_cast<std::size_t>(n - 1)] = groupId;
    QCOMPARE(groupNumbers(model), expected);

    QVERIFY(rig->waitForIdleQueue());
    rig->sim().clearReceivedFrames();
    const int outsider = model.Vystup(5).TrackBar->value();
    drag(model.Vystup(6).TrackBar, 33);
    QCOMPARE(model.Vystup(2).TrackBar->value(), 33);
    QCOMPARE(model.Vystup(9).TrackBar->value(), 33);
    QCOMPARE(model.Vystup(5).TrackBar->value(), outsider);
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
