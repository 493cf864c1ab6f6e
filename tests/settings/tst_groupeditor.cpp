// The page "Skupiny" and the group editor with the settings file as the store: the page's
// commands, the group IDs and counter, the member keys written on OK, deleting, and the
// edge cases of empty and shrinking groups.
#include "link/Instructions.h"
#include "settings/GroupsPage.h"
#include "settings/OutputsNamesPage.h"
#include "settings/support/EditorSteps.h"
#include "settings/support/SettingsRig.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace orfa;
using settings::GroupEditor;
using settings::SettingsDialog;

class TestGroupEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageAndEditorControls();
    void newGroupWritesTheCounterOnlyOnOk();
    void groupWithoutMembersStaysListed();
    void editAndDeleteKeepKeysAndCounter();
    void emptyListOffersNothingToEdit();
    void deleteTakesTheSelectedRow();
    void savePromptBeforeTheEditor();
    void newIdsStayWhereReadersLook_data();
    void newIdsStayWhereReadersLook();
};

namespace {

QStringList outputsEnabled() {
    QStringList lines;
    for (int j = 1; j <= 16; ++j)
        lines << QStringLiteral("Vystup%1En=1").arg(j);
    return lines;
}

// Group 1: outputs 1, 5 and 9; group 2 deleted; group 3: output 4 and 5.
QStringList threeGroups() {
    return outputsEnabled() << QStringLiteral("MaxIDSkupiny=3")
                            << QStringLiteral("Skup_1_SkupinaPocet=3")
                            << QStringLiteral("Skup_1_IDVstupu1=1")
                            << QStringLiteral("Skup_1_IDVstupu2=5")
                            << QStringLiteral("Skup_1_IDVstupu3=9")
                            << QStringLiteral("Skup_2_SkupinaPocet=-1")
                            << QStringLiteral("Skup_2_IDVstupu1=7")
                            << QStringLiteral("Skup_3_SkupinaPocet=2")
                            << QStringLiteral("Skup_3_IDVstupu1=4")
                            << QStringLiteral("Skup_3_IDVstupu2=5");
}

std::vector<int> ticked(const GroupEditor& editor) {
    std::vector<int> outputs;
    for (int k = 1; k <= link::kOutputCount; ++k) {
        if (editor.outputBox(k)->isChecked())
            outputs.push_back(k);
    }
    return outputs;
}

QTableWidget* groupsGrid(SettingsRig& rig) {
    return rig.form().groupsPage().grid();
}

void clickGroupsButton(SettingsRig& rig, QToolButton* button) {
    clickOnPage(rig.form(), SettingsDialog::kGroupsPage, button);
}

// Opens the editor with button and ticks or unticks outputs, then OK.
bool toggleAndSave(SettingsRig& rig, QToolButton* button, std::initializer_list<int> outputs) {
    return inGroupEditor([&] { clickGroupsButton(rig, button); },
                         [&](GroupEditor& editor) {
                             for (const int k : outputs)
                                 clickIndicator(editor.outputBox(k));
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                         });
}

} // namespace

void TestGroupEditor::pageAndEditorControls() {
    SettingsRig rig;
    SettingsDialog& form = rig.open();
    const settings::GroupsPage& page = form.groupsPage();
    QCOMPARE(page.newButton()->toolTip(), QStringLiteral("Nová"));
    QCOMPARE(page.editButton()->toolTip(), QStringLiteral("Upravit"));
    QCOMPARE(page.deleteButton()->toolTip(), QStringLiteral("Smazat"));
    QCOMPARE(page.deleteButton()->accessibleName(), QStringLiteral("Smazat"));
    const GroupEditor& editor = form.groupEditor();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Editace skupin"));
    QCOMPARE(editor.findChild<QGroupBox*>(QStringLiteral("groupOutputs"))->title(),
             QStringLiteral("Skupiny výstupů"));
    QCOMPARE(editor.okButton()->text(), QStringLiteral("&OK"));
    QVERIFY(editor.okButton()->isDefault());
    QCOMPARE(editor.cancelButton()->text(), QStringLiteral("&Stormo"));
    // Names and flags of a fresh file: every output off.
    QCOMPARE(editor.outputBox(16)->text(), QStringLiteral("Výstup 16"));
    QVERIFY(!editor.outputBox(16)->isEnabled());
}

void TestGroupEditor::newGroupWritesTheCounterOnlyOnOk() {
    SettingsRig rig(outputsEnabled() << QStringLiteral("MaxIDSkupiny=2"));
    SettingsDialog& form = rig.open();
    const QByteArray before = rig.settingsBytes();
    QVERIFY(inGroupEditor([&] { clickGroupsButton(rig, form.groupsPage().newButton()); },
                          [](GroupEditor& editor) {
                              QVERIFY(editor.isNewGroup());
                              QCOMPARE(editor.groupId(), 3);
                              QVERIFY(ticked(editor).empty());
                              clickIndicator(editor.outputBox(2));
                              QTest::mouseClick(editor.cancelButton(), Qt::LeftButton);
                          }));
    QCOMPARE(rig.settingsBytes(), before);
    QVERIFY(toggleAndSave(rig, form.groupsPage().newButton(), {9, 2, 5}));
    QCOMPARE(form.groupEditor().groupId(), 3);
    const QStringList expected{
        QStringLiteral("Skup_3_IDVstupu1"), QStringLiteral("Skup_3_IDVstupu2"),
        QStringLiteral("Skup_3_IDVstupu3"), QStringLiteral("Skup_3_SkupinaPocet")};
    QCOMPARE(rig.keysInFile().mid(rig.keysInFile().size() - expected.size()), expected);
    QStringList values;
    for (const QString& key : expected)
        values << rig.valueInFile(key);
    QCOMPARE(values, (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("9"),
                                  QStringLiteral("3")}));
    QCOMPARE(rig.valueInFile(QStringLiteral("MaxIDSkupiny")), QStringLiteral("3"));
    QCOMPARE(listRows(groupsGrid(rig)), QStringList{QStringLiteral("3|2  5  9  ")});
}

void TestGroupEditor::groupWithoutMembersStaysListed() {
    SettingsRig rig(outputsEnabled());
    SettingsDialog& form = rig.open();
    QVERIFY(toggleAndSave(rig, form.groupsPage().newButton(), {}));
    QCOMPARE(rig.valueInFile(QStringLiteral("Skup_1_SkupinaPocet")), QStringLiteral("0"));
    QCOMPARE(rig.valueInFile(QStringLiteral("MaxIDSkupiny")), QStringLiteral("1"));
    QCOMPARE(listRows(groupsGrid(rig)), QStringList{QStringLiteral("1|")});
}

// Output 5 is in groups 1 and 3; output 9, a member of group 1, is disabled.
void TestGroupEditor::editAndDeleteKeepKeysAndCounter() {
    QStringList lines = threeGroups();
    lines.replaceInStrings(QStringLiteral("Vystup9En=1"), QStringLiteral("Vystup9En=0"));
    SettingsRig rig(lines);
    SettingsDialog& form = rig.open();
    clickRow(groupsGrid(rig), 1);
    QVERIFY(inGroupEditor([&] { clickGroupsButton(rig, form.groupsPage().editButton()); },
                          [](GroupEditor& editor) {
                              QCOMPARE(editor.groupId(), 3);
                              QCOMPARE(ticked(editor), (std::vector<int>{4, 5}));
                              editor.reject();
                          }));
    clickRow(groupsGrid(rig), 0);
    QVERIFY(inGroupEditor([&] { clickGroupsButton(rig, form.groupsPage().editButton()); },
                          [](GroupEditor& editor) {
                              QVERIFY(!editor.isNewGroup());
                              QCOMPARE(ticked(editor), (std::vector<int>{1, 5, 9}));
                              clickIndicator(editor.outputBox(1));
                              clickIndicator(editor.outputBox(9)); // disabled: stays a member
                              QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                          }));
    // The count shrinks; the third member key stays and is read by nobody.
    for (const auto& [key, value] :
         {std::pair{"Skup_1_SkupinaPocet", "2"}, std::pair{"Skup_1_IDVstupu1", "5"},
          std::pair{"Skup_1_IDVstupu2", "9"}, std::pair{"Skup_1_IDVstupu3", "9"}})
        QCOMPARE(rig.valueInFile(QLatin1String(key)), QLatin1String(value));
    QCOMPARE(listRows(groupsGrid(rig)),
             (QStringList{QStringLiteral("1|5  9  "), QStringLiteral("3|4  5  ")}));

    clickRow(groupsGrid(rig), 1);
    clickGroupsButton(rig, form.groupsPage().deleteButton());
    QVERIFY(rig.messages().questions.empty());
    QCOMPARE(rig.valueInFile(QStringLiteral("Skup_3_SkupinaPocet")), QStringLiteral("-1"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Skup_3_IDVstupu2")), QStringLiteral("5"));
    QVERIFY(toggleAndSave(rig, form.groupsPage().newButton(), {16}));
    QCOMPARE(rig.valueInFile(QStringLiteral("MaxIDSkupiny")), QStringLiteral("4"));
    QCOMPARE(listRows(groupsGrid(rig)),
             (QStringList{QStringLiteral("1|5  9  "), QStringLiteral("4|16  ")}));
}

void TestGroupEditor::emptyListOffersNothingToEdit() {
    SettingsRig rig(outputsEnabled());
    SettingsDialog& form = rig.open();
    const QByteArray before = rig.settingsBytes();
    clickIndicator(form.outputsPage().row(1).checkBox()); // not even the save prompt
    QVERIFY(form.enablingChanged());
    for (QToolButton* button : {form.groupsPage().editButton(), form.groupsPage().deleteButton()})
        QVERIFY(!inGroupEditor([&] { clickGroupsButton(rig, button); }, [](GroupEditor&) {}));
    QCOMPARE(rig.settingsBytes(), before);
    QVERIFY(rig.messages().questions.empty());
}

// Group 1, the first row, has the focus; an accessibility client selects group 3.
void TestGroupEditor::deleteTakesTheSelectedRow() {
    SettingsRig rig(threeGroups());
    SettingsDialog& form = rig.open();
    QCOMPARE(groupsGrid(rig)->currentRow(), 0);
    QVERIFY(selectRowAccessibly(groupsGrid(rig), 1));
    QCOMPARE(groupsGrid(rig)->currentRow(), 1);
    clickGroupsButton(rig, form.groupsPage().deleteButton());
    QCOMPARE(rig.valueInFile(QStringLiteral("Skup_3_SkupinaPocet")), QStringLiteral("-1"));
    QCOMPARE(listRows(groupsGrid(rig)), QStringList{QStringLiteral("1|1  5  9  ")});
}

void TestGroupEditor::savePromptBeforeTheEditor() {
    SettingsRig rig({QStringLiteral("Vystup7Nzv=Sál"), QStringLiteral("VstupyRG=1")});
    SettingsDialog& form = rig.open();
    rig.messages().answer = true;
    clickIndicator(form.outputsPage().row(7).checkBox());
    QVERIFY(inGroupEditor([&] { clickGroupsButton(rig, form.groupsPage().newButton()); },
                          [](GroupEditor& editor) {
                              QCOMPARE(editor.outputBox(7)->text(), QStringLiteral("Sál"));
                              QVERIFY(editor.outputBox(7)->isEnabled());
                              editor.reject();
                          }));
    QCOMPARE(rig.messages().questions.size(), std::size_t{1});
    QCOMPARE(rig.valueInFile(QStringLiteral("Vystup7En")), QStringLiteral("1"));
    // Saved: the next editor is opened without asking.
    QVERIFY(inGroupEditor([&] { clickGroupsButton(rig, form.groupsPage().newButton()); },
                          [](GroupEditor& editor) { editor.reject(); }));
    QCOMPARE(rig.messages().questions.size(), std::size_t{1});
    QVERIFY(!rig.settingsBytes().contains("MaxIDSkupiny"));
}

void TestGroupEditor::newIdsStayWhereReadersLook_data() {
    QTest::addColumn<QString>("counter");
    QTest::addColumn<bool>("refused");
    QTest::newRow("the last ID read") << QStringLiteral("9999") << false;
    QTest::newRow("beyond the last ID read") << QStringLiteral("10000") << true;
    QTest::newRow("no next number") << QStringLiteral("2147483647") << true;
    QTest::newRow("negative") << QStringLiteral("-3") << true;
    QTest::newRow("no number") << QStringLiteral("12x") << true;
}

// A new group must be one the list and the panel read back; a counter that cannot give such
// an ID refuses the group and leaves the file alone.
void TestGroupEditor::newIdsStayWhereReadersLook() {
    QFETCH(QString, counter);
    QFETCH(bool, refused);
    SettingsRig rig(outputsEnabled() << QStringLiteral("MaxIDSkupiny=") + counter);
    SettingsDialog& form = rig.open();
    const QByteArray before = rig.settingsBytes();
    if (refused)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("založit")));
    QCOMPARE(toggleAndSave(rig, form.groupsPage().newButton(), {2}), !refused);
    if (refused) {
        QCOMPARE(rig.settingsBytes(), before);
        QCOMPARE(rig.messages().messages.size(), std::size_t{1});
        QVERIFY(rig.messages().messages[0].text.startsWith(
            QStringLiteral("Novou skupinu nelze založit:\r\n") + rig.settingsPath()));
    } else {
        QCOMPARE(listRows(groupsGrid(rig)), QStringList{QStringLiteral("10000|2  ")});
    }
}

QTEST_MAIN(TestGroupEditor)
#include "tst_groupeditor.moc"
