// The pages "Uživatelé" and "Skupiny" and their editors with the central database in use,
// against a real Firebird server on 127.0.0.1: the rows of UZIV and SKUPINY after every
// command, the generators, saves that fail part-way (a row locked by another connection, a
// name the database cannot hold) and the save prompt writing NST. Rows are put in and looked
// at over a connection of the test's own.
#include "config/Database.h"
#include "link/Instructions.h"
#include "settings/FlagBoxGroup.h"
#include "settings/GroupsPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/NameRow.h"
#include "settings/UsersPage.h"
#include "settings/support/EditorSteps.h"
#include "settings/support/SettingsRig.h"
#include "support/TestDatabase.h"
#include "support/WhenShown.h"
#include "users/PasswordCipher.h"
#include "users/UserDirectory.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace orfa;
using settings::GroupEditor;
using settings::SettingsDialog;
using settings::UserEditor;

class TestEditorsDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void editorsGetOnlyTheRowsOfNst();
    void userCommandsChangeUziv();
    void failedUserSave_data();
    void failedUserSave();
    void textsAsLongAsUzivHoldsComeBackWhole();
    void textsLongerThanUzivHoldsAreRefused();
    void groupCommandsChangeSkupiny();
    void failedGroupSaveAndDeleteKeepTheRows();
    void savePromptWritesNst();
    void lostConnectionOpensNoEditor();
    void savePromptWritesNoNstTheDialogDidNotRead();

private:
    void sql(const QString& statement) { direct_->execute(statement); }
    void commit() { sql(QStringLiteral("commit")); }
    int generator(const QString& name);
    int generatorAtLeast(const QString& name, int least);
    QStringList userRow(int id);
    QStringList groupRows();
    void putUser(int id, const QString& name, const QString& password, int admin);
    std::unique_ptr<SettingsRig> openRig();

    test::TestDatabase testDb_;
    std::unique_ptr<config::Database> direct_;
};

namespace {

void clickUsersButton(SettingsDialog& form, QToolButton* button) {
    clickOnPage(form, SettingsDialog::kUsersPage, button);
}

void clickGroupsButton(SettingsDialog& form, QToolButton* button) {
    clickOnPage(form, SettingsDialog::kGroupsPage, button);
}

} // namespace

void TestEditorsDatabase::init() {
    ORFA_REQUIRE_TEST_DATABASE(testDb_);
    direct_ = std::make_unique<config::Database>();
    QVERIFY2(direct_->open(testDb_.login()), qPrintable(direct_->lastError()));
    test::TestDatabase::clearTables(*direct_);
}

void TestEditorsDatabase::cleanup() {
    direct_.reset();
}

int TestEditorsDatabase::generator(const QString& name) {
    sql(QStringLiteral("SELECT GEN_ID(%1, 0) AS G FROM RDB$DATABASE").arg(name));
    const int value = direct_->rows().first().integer(QStringLiteral("G"));
    commit();
    return value;
}

// Moves the generator on to least when it is below it; returns its value.
int TestEditorsDatabase::generatorAtLeast(const QString& name, int least) {
    const int value = generator(name);
    if (value >= least)
        return value;
    sql(QStringLiteral("SELECT GEN_ID(%1, %2) AS G FROM RDB$DATABASE")
            .arg(name)
            .arg(least - value));
    commit();
    return least;
}

// All 13 columns of one UZIV row as texts; empty when there is no such row.
QStringList TestEditorsDatabase::userRow(int id) {
    QStringList columns;
    sql(QStringLiteral("SELECT * FROM UZIV WHERE ID = %1").arg(id));
    if (!direct_->rows().isEmpty()) {
        for (const QString& column : direct_->rows().columns())
            columns << direct_->rows().first().text(column);
    }
    commit();
    return columns;
}

// Every row of SKUPINY as "group:output", in that order.
QStringList TestEditorsDatabase::groupRows() {
    QStringList rows;
    sql(QStringLiteral("SELECT * FROM SKUPINY ORDER BY IDSKUPINY, IDVSTUPU"));
    for (const config::ResultRow& row : direct_->rows())
        rows << row.text(QStringLiteral("IDSKUPINY")) + QLatin1Char(':') +
                    row.text(QStringLiteral("IDVSTUPU"));
    commit();
    return rows;
}

void TestEditorsDatabase::putUser(int id, const QString& name, const QString& password, int admin) {
    direct_->execute(
        QStringLiteral("INSERT INTO UZIV VALUES (?, ?, ?, 'ABC', 'A', '0B', ?, 0, 0, 1, "
                       "0, 0, '')"),
        {id, name, users::encryptPassword(password, users::passwordKey()), admin});
}

std::unique_ptr<SettingsRig> TestEditorsDatabase::openRig() {
    auto rig = std::make_unique<SettingsRig>(testDb_.settingsLines());
    rig->data().grantAllRights();
    rig->open();
    return rig;
}

void TestEditorsDatabase::editorsGetOnlyTheRowsOfNst() {
    direct_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), 'Vstup1En', ?, 0)"),
                     {QStringLiteral("Linka 1")});
    direct_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), 'Vystup2En', ?, 1)"),
                     {QStringLiteral("Hala & sál")});
    commit();
    auto rig = openRig();
    QVERIFY(rig->form().sharedReadFromDatabase());
    const UserEditor& editor = rig->form().userEditor();
    QCOMPARE(editor.inputConfigBoxes().box(1)->text(), QStringLiteral("Linka 1"));
    QVERIFY(!editor.allowedInputBoxes().box(1)->isEnabled());
    // No row: the box keeps its caption and stays offered.
    QCOMPARE(editor.inputConfigBoxes().box(2)->text(), QStringLiteral("Vstup 2"));
    QVERIFY(editor.inputConfigBoxes().box(2)->isEnabled());
    QCOMPARE(editor.switchingBoxes().box(2)->text(), QStringLiteral("Hala && sál"));
    QVERIFY(editor.outputVolumeBoxes().box(2)->isEnabled());
    QCOMPARE(rig->form().groupEditor().outputBox(2)->text(), QStringLiteral("Hala && sál"));
    QCOMPARE(rig->form().groupEditor().outputBox(3)->text(), QStringLiteral("Výstup 3"));
}

void TestEditorsDatabase::userCommandsChangeUziv() {
    putUser(50, QStringLiteral("Adam"), QStringLiteral("a"), 0);
    commit();
    const int start = generator(QStringLiteral("Uziv"));
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    QTableWidget* grid = form.usersPage().grid();
    // Cancel on New takes no ID.
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().newButton()); },
                         [](UserEditor& editor) { editor.reject(); }));
    QCOMPARE(generator(QStringLiteral("Uziv")), start);

    const QString name = QStringLiteral("O'Brien 100% Žluťoučký");
    const QString password = QStringLiteral("kůň'%_");
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().newButton()); },
                         [&](UserEditor& editor) {
                             typeText(editor.nameField(), name);
                             typeText(editor.passwordField(), password);
                             clickIndicator(editor.rightBoxes()[0]);
                             clickIndicator(editor.inputConfigBoxes().box(1));
                             clickIndicator(editor.switchingBoxes().box(2));
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                         }));
    QVERIFY(rig->messages().messages.empty());
    const int id = start + 1;
    QCOMPARE(generator(QStringLiteral("Uziv")), id);
    QCOMPARE(form.userEditor().id(), id);
    const QString zeros(27, QLatin1Char('0'));
    QCOMPARE(userRow(id),
             (QStringList{QString::number(id), name,
                          users::encryptPassword(password, users::passwordKey()), flagString({1}),
                          zeros, flagString({2}), QStringLiteral("1"), QStringLiteral("0"),
                          QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                          QStringLiteral("0"), QString(26, QLatin1Char('0'))}));
    // Ordered by name; the login finds the name with its quote and '%' as stored.
    QCOMPARE(listRows(grid), (QStringList{QStringLiteral("50|Adam"),
                                          QString::number(id) + QLatin1Char('|') + name}));
    const auto found = users::UserDirectory::findInDatabase(*direct_, name);
    commit();
    QVERIFY(found);
    QCOMPARE(found->password, password);

    // Edit replaces the row under the same ID.
    clickRow(grid, 1);
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().editButton()); },
                         [&](UserEditor& editor) {
                             QCOMPARE(editor.nameField()->text(), name);
                             QCOMPARE(editor.passwordField()->text(), password);
                             QVERIFY(editor.rightBoxes()[0]->isChecked());
                             retype(editor.passwordField(), QStringLiteral("nové"));
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                         }));
    QCOMPARE(generator(QStringLiteral("Uziv")), id);
    QCOMPARE(userRow(id).at(2),
             users::encryptPassword(QStringLiteral("nové"), users::passwordKey()));

    // Copy stores a second record under a new ID; the short flag strings come back padded.
    const QStringList adam = userRow(50);
    clickRow(grid, 0);
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().copyButton()); },
                         [](UserEditor& editor) {
                             QCOMPARE(editor.nameField()->text(), QStringLiteral("Adam"));
                             QVERIFY(editor.rightBoxes()[3]->isChecked());
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                         }));
    QCOMPARE(userRow(50), adam);
    const QStringList copy = userRow(id + 1);
    QCOMPARE(copy.mid(1, 2), adam.mid(1, 2));
    QCOMPARE(copy.at(3), flagString({1, 2, 3}));
    QCOMPARE(copy.at(5), QStringLiteral("0B") + QString(25, QLatin1Char('0')));
    QCOMPARE(copy.at(9), QStringLiteral("1"));

    // Delete removes the row; the generator never gives its ID again.
    clickRow(grid, 2);
    clickUsersButton(form, form.usersPage().deleteButton());
    QVERIFY(userRow(id).isEmpty());
    QStringList rows = listRows(grid);
    rows.sort(); // two users of the same name come in no fixed order
    QStringList expected{QStringLiteral("%1|Adam").arg(id + 1), QStringLiteral("50|Adam")};
    expected.sort();
    QCOMPARE(rows, expected);
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().newButton()); },
                         [](UserEditor& editor) {
                             typeText(editor.nameField(), QStringLiteral("Další"));
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                         }));
    QCOMPARE(userRow(id + 2).at(1), QStringLiteral("Další"));
}

void TestEditorsDatabase::failedUserSave_data() {
    QTest::addColumn<bool>("lockedByAnotherPanel");
    QTest::newRow("the delete meets a lock") << true;
    QTest::newRow("the insert after the delete fails") << false;
}

void TestEditorsDatabase::failedUserSave() {
    QFETCH(bool, lockedByAnotherPanel);
    putUser(5, QStringLiteral("Eva"), QStringLiteral("eva"), 1);
    commit();
    const QStringList before = userRow(5);
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    if (lockedByAnotherPanel)
        sql(QStringLiteral("UPDATE UZIV SET RADIO = 0 WHERE ID = 5")); // not committed
    QStringList duringFailure;
    bool closedAfterRetry = false;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("user not saved")));
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().editButton()); },
                         [&](UserEditor& editor) {
                             // Omega has no place in Windows-1250.
                             retype(editor.nameField(), lockedByAnotherPanel
                                                            ? QStringLiteral("Eva 2")
                                                            : QStringLiteral("Ωmega"));
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                             if (!editor.isVisible())
                                 return;
                             direct_->rollback();
                             duringFailure = userRow(5);
                             retype(editor.nameField(), QStringLiteral("Eva 2"));
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                             closedAfterRetry = !editor.isVisible();
                         }));
    QCOMPARE(duringFailure, before);
    QCOMPARE(rig->messages().messages.size(), std::size_t{1});
    const auto& message = rig->messages().messages[0];
    QCOMPARE(message.icon, settings::MessageIcon::Error);
    QCOMPARE(message.caption, QStringLiteral("Editace uživatelů"));
    QVERIFY(message.text.startsWith(QStringLiteral("Uživatele se nepodařilo uložit:")));
    QVERIFY(message.text.endsWith(QStringLiteral("Záznam v databázi zůstal beze změny.")));
    // The connection recovers: the next OK stores the record.
    QVERIFY(closedAfterRetry);
    QCOMPARE(userRow(5).at(1), QStringLiteral("Eva 2"));
    QCOMPARE(userRow(5).at(2), before.at(2));
}

void TestEditorsDatabase::textsAsLongAsUzivHoldsComeBackWhole() {
    const QString name = QStringLiteral("Jaroslava Nováková-Dvořáková, směna B-12");
    const QString password = QStringLiteral("dlouhé heslo ").repeated(9).left(111);
    QCOMPARE(name.size(), 40);                                                    // JMENO
    QCOMPARE(users::encryptPassword(password, users::passwordKey()).size(), 200); // HESLO
    putUser(7, name, password, 0);
    commit();
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().editButton()); },
                         [&](UserEditor& editor) {
                             QCOMPARE(editor.nameField()->text(), name);
                             QCOMPARE(editor.passwordField()->text(), password);
                             editor.nameField()->end(false);
                             typeText(editor.nameField(), QStringLiteral("x")); // no room left
                             clickIndicator(editor.rightBoxes()[0]);
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                         }));
    const QStringList row = userRow(7);
    QCOMPARE(row.mid(1, 2),
             (QStringList{name, users::encryptPassword(password, users::passwordKey())}));
    QCOMPARE(row.at(6), QStringLiteral("1"));
}

// A name kept from the file's record when the database has no row of that ID (the database
// was switched on in the dialog meanwhile) is longer than JMENO holds: OK says so and stores
// nothing.
void TestEditorsDatabase::textsLongerThanUzivHoldsAreRefused() {
    const QString name = QStringLiteral("Jaroslava Nováková-Dvořáková, ranní směna B");
    SettingsRig rig(testDb_.settingsLines(false)
                    << QStringLiteral("MaxIDUziv=1") << QStringLiteral("Uziv_1_Jmeno=") + name);
    rig.data().grantAllRights();
    SettingsDialog& form = rig.open();
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().editButton()); },
                         [](UserEditor& editor) { editor.reject(); }));
    clickIndicator(rig.checkBox(QStringLiteral("databaseBox")));
    QVERIFY(rig.data().databaseConnected());
    bool keptOpen = false;
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().editButton()); },
                         [&](UserEditor& editor) {
                             QCOMPARE(editor.nameField()->text(), name);
                             QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                             keptOpen = editor.isVisible();
                             editor.reject();
                         }));
    QVERIFY(keptOpen);
    QVERIFY(userRow(1).isEmpty());
    QCOMPARE(rig.messages().messages.size(), std::size_t{2}); // the restart note, then this
    QCOMPARE(
        rig.messages().messages[1].text,
        QStringLiteral("Uživatelské jméno má %1 znaků, uložit lze nejvýše 40.").arg(name.size()));
}

void TestEditorsDatabase::groupCommandsChangeSkupiny() {
    for (const char* row : {"(1, 5)", "(2, 5)", "(2, 11)"})
        sql(QStringLiteral("INSERT INTO SKUPINY VALUES %1").arg(QLatin1String(row)));
    commit();
    const int g = generatorAtLeast(QStringLiteral("Skupiny"), 2);
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    QTableWidget* grid = form.groupsPage().grid();
    QCOMPARE(listRows(grid), (QStringList{QStringLiteral("1|5"), QStringLiteral("2|5  11")}));
    // Output 5 belongs to both groups.
    for (const auto& [row, members] :
         {std::pair{0, QStringList{QStringLiteral("5")}},
          std::pair{1, QStringList{QStringLiteral("5"), QStringLiteral("11")}}}) {
        clickRow(grid, row);
        const QStringList& expected = members; // a lambda cannot capture a structured binding
        QVERIFY(inGroupEditor([&] { clickGroupsButton(form, form.groupsPage().editButton()); },
                              [&](GroupEditor& editor) {
                                  QStringList ticked;
                                  for (int k = 1; k <= link::kOutputCount; ++k) {
                                      if (editor.outputBox(k)->isChecked())
                                          ticked << QString::number(k);
                                  }
                                  QCOMPARE(ticked, expected);
                                  editor.reject();
                              }));
    }
    // Opening a new group takes its ID at once, even when it is cancelled.
    QVERIFY(inGroupEditor([&] { clickGroupsButton(form, form.groupsPage().newButton()); },
                          [&](GroupEditor& editor) {
                              QCOMPARE(editor.groupId(), g + 1);
                              editor.reject();
                          }));
    QCOMPARE(generator(QStringLiteral("Skupiny")), g + 1);
    QVERIFY(inGroupEditor([&] { clickGroupsButton(form, form.groupsPage().newButton()); },
                          [](GroupEditor& editor) {
                              clickIndicator(editor.outputBox(9));
                              clickIndicator(editor.outputBox(3));
                              QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                          }));
    const QString added = QString::number(g + 2);
    QCOMPARE(groupRows(),
             (QStringList{QStringLiteral("1:5"), QStringLiteral("2:5"), QStringLiteral("2:11"),
                          added + QStringLiteral(":3"), added + QStringLiteral(":9")}));
    QCOMPARE(listRows(grid).last(), added + QStringLiteral("|3  9"));
    // A group saved without members vanishes.
    clickRow(grid, 1);
    QVERIFY(inGroupEditor([&] { clickGroupsButton(form, form.groupsPage().editButton()); },
                          [](GroupEditor& editor) {
                              clickIndicator(editor.outputBox(5));
                              clickIndicator(editor.outputBox(11));
                              QTest::mouseClick(editor.okButton(), Qt::LeftButton);
                          }));
    QCOMPARE(listRows(grid), (QStringList{QStringLiteral("1|5"), added + QStringLiteral("|3  9")}));
    clickRow(grid, 0);
    clickGroupsButton(form, form.groupsPage().deleteButton());
    QCOMPARE(groupRows(),
             (QStringList{added + QStringLiteral(":3"), added + QStringLiteral(":9")}));
    QCOMPARE(generator(QStringLiteral("Skupiny")), g + 2);
    QVERIFY(rig->messages().messages.empty());
}

void TestEditorsDatabase::failedGroupSaveAndDeleteKeepTheRows() {
    sql(QStringLiteral("INSERT INTO SKUPINY VALUES (1, 5)"));
    sql(QStringLiteral("INSERT INTO SKUPINY VALUES (1, 7)"));
    commit();
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    // Another panel is changing the group and has not committed yet.
    sql(QStringLiteral("UPDATE SKUPINY SET IDVSTUPU = IDVSTUPU WHERE IDSKUPINY = 1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("uložit")));
    WhenShown shown(QStringLiteral("groupEditor"), [](QDialog& dialog) {
        auto& editor = static_cast<GroupEditor&>(dialog);
        clickIndicator(editor.outputBox(4));
        QTest::mouseClick(editor.okButton(), Qt::LeftButton);
    });
    clickGroupsButton(form, form.groupsPage().editButton());
    QVERIFY(shown.leftOpen());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("smazat")));
    clickGroupsButton(form, form.groupsPage().deleteButton());
    direct_->rollback();
    QCOMPARE(groupRows(), (QStringList{QStringLiteral("1:5"), QStringLiteral("1:7")}));
    QCOMPARE(rig->messages().messages.size(), std::size_t{2});
    QVERIFY(rig->messages().messages[0].text.startsWith(
        QStringLiteral("Skupinu se nepodařilo uložit")));
    QVERIFY(rig->messages().messages[1].text.startsWith(
        QStringLiteral("Skupinu se nepodařilo smazat")));
    QVERIFY(
        rig->messages().messages[1].text.endsWith(QStringLiteral("Databáze zůstala beze změny.")));
    QCOMPARE(listRows(form.groupsPage().grid()), QStringList{QStringLiteral("1|5  7")});
}

void TestEditorsDatabase::savePromptWritesNst() {
    direct_->execute(QStringLiteral("INSERT INTO NST VALUES (GEN_ID(Nst, 1), 'Vstup1En', ?, 0)"),
                     {QStringLiteral("Linka 1")});
    commit();
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    QVERIFY(!form.userEditor().inputConfigBoxes().box(1)->isEnabled());
    rig->messages().answer = true;
    clickIndicator(form.inputsPage().row(1).checkBox());
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().newButton()); },
                         [](UserEditor& editor) {
                             QVERIFY(editor.inputConfigBoxes().box(1)->isEnabled());
                             // Every input now has its row, with what the page showed.
                             QCOMPARE(editor.inputConfigBoxes().box(2)->text(),
                                      QStringLiteral("Edit1"));
                             editor.reject();
                         }));
    QCOMPARE(rig->messages().questions.size(), std::size_t{1});
    sql(QStringLiteral("SELECT HODNTXT, HODNINT FROM NST WHERE NAZEV = 'Vstup1En'"));
    QCOMPARE(direct_->rows().first().text(QStringLiteral("HODNTXT")), QStringLiteral("Linka 1"));
    QCOMPARE(direct_->rows().first().integer(QStringLiteral("HODNINT")), 1);
    commit();
    QVERIFY(!form.enablingChanged());
}

void TestEditorsDatabase::lostConnectionOpensNoEditor() {
    putUser(5, QStringLiteral("Eva"), QStringLiteral("eva"), 1);
    commit();
    auto rig = openRig();
    SettingsDialog& form = rig->form();
    rig->data().database().close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not read")));
    QVERIFY(!inUserEditor([&] { clickUsersButton(form, form.usersPage().editButton()); },
                          [](UserEditor&) {}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("načíst")));
    QVERIFY(!inGroupEditor([&] { clickGroupsButton(form, form.groupsPage().newButton()); },
                           [](GroupEditor&) {}));
    QCOMPARE(rig->messages().messages.size(), std::size_t{2});
    QVERIFY(rig->messages().messages[0].text.startsWith(
        QStringLiteral("Uživatele se nepodařilo načíst")));
    QVERIFY(rig->messages().messages[1].text.startsWith(
        QStringLiteral("Skupinu se nepodařilo načíst")));
}

void TestEditorsDatabase::savePromptWritesNoNstTheDialogDidNotRead() {
    SettingsRig rig(testDb_.settingsLines(false) << QStringLiteral("Vstup1Nzv=Ze souboru"));
    rig.data().grantAllRights();
    SettingsDialog& form = rig.open();
    clickIndicator(rig.checkBox(QStringLiteral("databaseBox"))); // switched on in this dialog
    QVERIFY(rig.data().databaseConnected());
    rig.messages().answer = true;
    clickIndicator(form.inputsPage().row(1).checkBox());
    QVERIFY(inUserEditor([&] { clickUsersButton(form, form.usersPage().newButton()); },
                         [](UserEditor& editor) { editor.reject(); }));
    QCOMPARE(rig.messages().questions.size(), std::size_t{1});
    QCOMPARE(rig.messages().messages.size(), std::size_t{2}); // the restart note, then why not
    QCOMPARE(rig.messages().messages[1].icon, settings::MessageIcon::Warning);
    sql(QStringLiteral("SELECT COUNT(*) AS N FROM NST"));
    QCOMPARE(direct_->rows().first().integer(QStringLiteral("N")), 0);
    commit();
    QVERIFY(form.enablingChanged());
}

QTEST_MAIN(TestEditorsDatabase)
#include "tst_editorsdatabase.moc"
