// The page "Uživatelé" and the user editor with the settings file as the store: the page's
// commands from the tool buttons, the context menu and a double click, the editor's check
// boxes and working flag strings, what OK writes, the IDs, the save prompt and refused saves.
#include "settings/FlagBoxGroup.h"
#include "settings/InputsNamesPage.h"
#include "settings/NameRow.h"
#include "settings/UsersPage.h"
#include "settings/support/EditorSteps.h"
#include "settings/support/SettingsRig.h"
#include "support/WhenShown.h"
#include "support/WriteSettingsFile.h"
#include "users/PasswordCipher.h"
#include "users/UserDirectory.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace orfa;
using settings::SettingsDialog;
using settings::UserEditor;

class TestUserEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandsAndEditorGroups();
    void editorShowsTheDialogsNamesAndFlags();
    void newUserIsWrittenToTheFile();
    void editStoresPaddedAndNewAfterItIsBlank();
    void editKeepsLongStoredTexts();
    void copyAndDeleteNeverReuseAnId();
    void selectAllLeavesDisabledBoxes();
    void emptyListOffersNothingToEdit();
    void menuAndDoubleClickRunTheCommands();
    void commandsTakeTheSelectedRow_data();
    void commandsTakeTheSelectedRow();
    void savePrompt_data();
    void savePrompt();
    void refusedSavesKeepTheEditorOpen();
};

namespace {

QString stored(const QString& password) {
    return users::encryptPassword(password, users::passwordKey());
}

// Users 1 (Karel, flag strings shorter than stored ones, a '1' in Matice), 2 (deleted)
// and 3 (Eva); every input and output enabled.
QStringList twoUsers() {
    QStringList lines{QStringLiteral("MaxIDUziv=3"),
                      QStringLiteral("Uziv_1_Jmeno=Karel"),
                      QStringLiteral("Uziv_1_Heslo=") + stored(QStringLiteral("abc")),
                      QStringLiteral("Uziv_1_Vstupy=A0C0000000K0M"),
                      QStringLiteral("Uziv_1_Vystupy=AB"),
                      QStringLiteral("Uziv_1_Matice=0B1"),
                      QStringLiteral("Uziv_1_Administrace=1"),
                      QStringLiteral("Uziv_1Hlasitost=1"),
                      QStringLiteral("Uziv_2_Jmeno="),
                      QStringLiteral("Uziv_3_Jmeno=Eva"),
                      QStringLiteral("Uziv_3_Heslo=") + stored(QStringLiteral("eva")),
                      QStringLiteral("Uziv_3_Radio=1")};
    return lines + test::everyInputAndOutputOnLines();
}

int tickedFlagBoxes(const UserEditor& editor) {
    int n = 0;
    for (const settings::FlagBoxGroup* group :
         {&editor.inputConfigBoxes(), &editor.allowedInputBoxes(), &editor.switchingBoxes(),
          &editor.outputVolumeBoxes()}) {
        for (int k = 1; k <= group->count(); ++k)
            n += group->box(k)->isChecked() ? 1 : 0;
    }
    return n;
}

// The dialog opened by someone allowed to manage users.
SettingsDialog& openAsAdministrator(SettingsRig& rig) {
    rig.data().grantAllRights();
    return rig.open();
}

void click(SettingsRig& rig, QToolButton* button) {
    clickOnPage(rig.form(), SettingsDialog::kUsersPage, button);
}

QTableWidget* grid(SettingsRig& rig) {
    return rig.form().usersPage().grid();
}

void pressOk(UserEditor& editor) {
    QTest::mouseClick(editor.okButton(), Qt::LeftButton);
}

} // namespace

void TestUserEditor::commandsAndEditorGroups() {
    SettingsRig rig;
    const settings::UsersPage& page = openAsAdministrator(rig).usersPage();
    QStringList hints;
    for (const QToolButton* button :
         {page.newButton(), page.editButton(), page.copyButton(), page.deleteButton()}) {
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
        hints << button->toolTip() << button->accessibleName();
    }
    QCOMPARE(hints, (QStringList{QStringLiteral("Nový"), QStringLiteral("Nový"),
                                 QStringLiteral("Upravit"), QStringLiteral("Upravit"),
                                 QStringLiteral("Kopírovat"), QStringLiteral("Kopírovat"),
                                 QStringLiteral("Smazat"), QStringLiteral("Smazat")}));
    QStringList menu;
    for (const QAction* action : page.popupMenu()->actions())
        menu << action->text();
    QCOMPARE(menu, (QStringList{QStringLiteral("&Nový..."), QStringLiteral("&Upravit..."),
                                QStringLiteral("&Kopírovat..."), QStringLiteral("&Smazat")}));
    const UserEditor& editor = rig.form().userEditor();
    QCOMPARE(editor.windowTitle(), QStringLiteral("Editace uživatelů"));
    QStringList groups;
    for (const settings::FlagBoxGroup* group :
         {&editor.inputConfigBoxes(), &editor.allowedInputBoxes(), &editor.switchingBoxes(),
          &editor.outputVolumeBoxes()})
        groups << group->title() + QLatin1Char('/') + QString::number(group->count());
    QCOMPARE(groups, (QStringList{QStringLiteral("Konfigurace vstupů/10"),
                                  QStringLiteral("Povolené vstupy/10"),
                                  QStringLiteral("Přepínání vstupů na výstupy/16"),
                                  QStringLiteral("Hlasitost výstupů/16")}));
    QVERIFY(editor.okButton()->isDefault());
}

void TestUserEditor::editorShowsTheDialogsNamesAndFlags() {
    SettingsRig rig({QStringLiteral("Vstup3Nzv=Pult A&B"), QStringLiteral("Vstup3En=1"),
                     QStringLiteral("Vstup4Nzv=Mikrofon"), QStringLiteral("Vystup5Nzv=Hala"),
                     QStringLiteral("Vystup5En=1")});
    SettingsDialog& form = openAsAdministrator(rig);
    const UserEditor& editor = form.userEditor();
    for (const settings::FlagBoxGroup* group :
         {&editor.inputConfigBoxes(), &editor.allowedInputBoxes()}) {
        QCOMPARE(group->box(3)->text(), QStringLiteral("Pult A&&B")); // shows "Pult A&B"
        QVERIFY(group->box(3)->isEnabled());
        QCOMPARE(group->box(4)->text(), QStringLiteral("Mikrofon"));
        QVERIFY(!group->box(4)->isEnabled()); // its flag is off
    }
    QCOMPARE(editor.allowedInputBoxes().box(3)->accessibleName(),
             QStringLiteral("Povolené vstupy: Pult A&B"));
    for (const settings::FlagBoxGroup* group :
         {&editor.switchingBoxes(), &editor.outputVolumeBoxes()}) {
        QCOMPARE(group->box(5)->text(), QStringLiteral("Hala"));
        QVERIFY(group->box(5)->isEnabled());
        QCOMPARE(group->box(6)->text(), QStringLiteral("Výstup 6"));
        QVERIFY(!group->box(6)->isEnabled());
    }
    QCOMPARE(form.groupEditor().outputBox(5)->text(), QStringLiteral("Hala"));
    QVERIFY(form.groupEditor().outputBox(5)->isEnabled());
    QVERIFY(!form.groupEditor().outputBox(6)->isEnabled());
}

void TestUserEditor::newUserIsWrittenToTheFile() {
    SettingsRig rig(test::everyInputAndOutputOnLines());
    SettingsDialog& form = openAsAdministrator(rig);
    const QString name = QStringLiteral("Jiří O'Neil 100%");
    const QString password = QStringLiteral("tajné'heslo");
    QVERIFY(
        inUserEditor([&] { click(rig, form.usersPage().newButton()); },
                     [&](UserEditor& editor) {
                         QVERIFY(editor.isNew());
                         typeText(editor.nameField(), name);
                         typeText(editor.passwordField(), password);
                         for (QAbstractButton* box :
                              {editor.rightBoxes()[0], editor.rightBoxes()[1],
                               editor.inputConfigBoxes().box(2), editor.allowedInputBoxes().box(1),
                               editor.switchingBoxes().box(16), editor.outputVolumeBoxes().box(3)})
                             clickIndicator(box);
                         pressOk(editor);
                     }));
    const QStringList keys{QStringLiteral("MaxIDUziv"),
                           QStringLiteral("Uziv_1_Vstupy"),
                           QStringLiteral("Uziv_1_Vystupy"),
                           QStringLiteral("Uziv_1_Matice"),
                           QStringLiteral("Uziv_1_Jmeno"),
                           QStringLiteral("Uziv_1_Heslo"),
                           QStringLiteral("Uziv_1_Administrace"),
                           QStringLiteral("Uziv_1Hlasitost"),
                           QStringLiteral("Uziv_1_Profil"),
                           QStringLiteral("Uziv_1_Radio"),
                           QStringLiteral("Uziv_1_AktivacePredvoleb"),
                           QStringLiteral("Uziv_1_UlozeniPredvoleb")};
    QCOMPARE(rig.keysInFile().mid(rig.keysInFile().size() - keys.size()), keys);
    QStringList values;
    for (const QString& key : keys)
        values << rig.valueInFile(key);
    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");
    QCOMPARE(values, (QStringList{one, flagString({2, 11}), flagString({3}), flagString({16}), name,
                                  stored(password), one, one, zero, zero, zero, zero}));
    QCOMPARE(listRows(grid(rig)), QStringList{QStringLiteral("1|") + name});
    QCOMPARE(cellText(grid(rig), 0, 2), password);
    QCOMPARE(cellText(grid(rig), 0, 3), QStringLiteral("Ano"));
    // The login finds the user as typed.
    const auto found = users::UserDirectory::findInFile(rig.data().settings(), name);
    QVERIFY(found);
    QCOMPARE(found->password, password);
    QVERIFY(rig.messages().messages.empty());
}

void TestUserEditor::editStoresPaddedAndNewAfterItIsBlank() {
    SettingsRig rig(twoUsers());
    SettingsDialog& form = openAsAdministrator(rig);
    QCOMPARE(listRows(grid(rig)),
             (QStringList{QStringLiteral("1|Karel"), QStringLiteral("3|Eva")}));
    clickRow(grid(rig), 0);
    QVERIFY(inUserEditor([&] { click(rig, form.usersPage().editButton()); },
                         [&](UserEditor& editor) {
                             QVERIFY(editor.isEditing());
                             QCOMPARE(editor.id(), 1);
                             QCOMPARE(editor.nameField()->text(), QStringLiteral("Karel"));
                             QCOMPARE(editor.passwordField()->text(), QStringLiteral("abc"));
                             QCOMPARE(rightsTicked(editor),
                                      (std::vector<bool>{true, true, false, false, false, false}));
                             QVERIFY(editor.inputConfigBoxes().box(3)->isChecked());
                             QVERIFY(editor.allowedInputBoxes().box(3)->isChecked()); // 'M' at 13
                             QVERIFY(editor.switchingBoxes().box(2)->isChecked());
                             QVERIFY(!editor.switchingBoxes().box(3)->isChecked()); // '1', not 'C'
                             QCOMPARE(tickedFlagBoxes(editor), 7);
                             pressOk(editor);
                         }));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_1_Vstupy")), flagString({1, 3, 11, 13}));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_1_Vystupy")), flagString({1, 2}));
    // A position that is neither '0' nor its letter is kept as it was.
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_1_Matice")),
             QStringLiteral("0B1") + QString(24, QLatin1Char('0')));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_1_Heslo")), stored(QStringLiteral("abc")));
    QCOMPARE(rig.valueInFile(QStringLiteral("MaxIDUziv")), QStringLiteral("3"));

    const QByteArray before = rig.settingsBytes();
    QVERIFY(inUserEditor([&] { click(rig, form.usersPage().newButton()); },
                         [&](UserEditor& editor) {
                             QCOMPARE(editor.nameField()->text(), QString());
                             QCOMPARE(editor.passwordField()->text(), QString());
                             QCOMPARE(rightsTicked(editor), std::vector<bool>(6, false));
                             QCOMPARE(tickedFlagBoxes(editor), 0);
                             QCOMPARE(editor.inputs() + editor.sourceSwitching(),
                                      flagString({}) + flagString({}));
                             QTest::keyClick(&editor, Qt::Key_Escape);
                         }));
    QCOMPARE(rig.settingsBytes(), before);
}

// Older records of the file may hold more than the database columns do; an edit that does
// not touch them must store them as they were, or the user could no longer log in.
void TestUserEditor::editKeepsLongStoredTexts() {
    const QString name = QStringLiteral("Jaroslava Nováková-Dvořáková, ranní směna B");
    const QString password = QStringLiteral("velmi dlouhé heslo ").repeated(8);
    SettingsRig rig(test::everyInputAndOutputOnLines()
                    << QStringLiteral("MaxIDUziv=1") << QStringLiteral("Uziv_1_Jmeno=") + name
                    << QStringLiteral("Uziv_1_Heslo=") + stored(password));
    SettingsDialog& form = openAsAdministrator(rig);
    QVERIFY(inUserEditor([&] { click(rig, form.usersPage().editButton()); },
                         [&](UserEditor& editor) {
                             QCOMPARE(editor.nameField()->text(), name);
                             QCOMPARE(editor.passwordField()->text(), password);
                             clickIndicator(editor.rightBoxes()[3]);
                             pressOk(editor);
                         }));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_1_Radio")), QStringLiteral("1"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_1_Jmeno")), name);
    const auto found = users::UserDirectory::findInFile(rig.data().settings(), name);
    QVERIFY(found);
    QCOMPARE(found->password, password);
}

void TestUserEditor::copyAndDeleteNeverReuseAnId() {
    SettingsRig rig(twoUsers());
    SettingsDialog& form = openAsAdministrator(rig);
    clickRow(grid(rig), 1);
    QVERIFY(inUserEditor([&] { click(rig, form.usersPage().copyButton()); },
                         [](UserEditor& editor) {
                             QVERIFY(editor.isCopying());
                             QCOMPARE(editor.nameField()->text() + editor.passwordField()->text(),
                                      QStringLiteral("Evaeva"));
                             QCOMPARE(rightsTicked(editor),
                                      (std::vector<bool>{false, false, false, true, false, false}));
                             retype(editor.nameField(), QStringLiteral("Eva Kopie"));
                             pressOk(editor);
                         }));
    QCOMPARE(rig.valueInFile(QStringLiteral("MaxIDUziv")), QStringLiteral("4"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_4_Heslo")), stored(QStringLiteral("eva")));
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_4_Radio")), QStringLiteral("1"));
    QCOMPARE(listRows(grid(rig)), (QStringList{QStringLiteral("1|Karel"), QStringLiteral("3|Eva"),
                                               QStringLiteral("4|Eva Kopie")}));

    clickRow(grid(rig), 2);
    click(rig, form.usersPage().deleteButton());
    QVERIFY(rig.messages().questions.empty()); // deleting asks nothing
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_4_Jmeno")), QString());
    QCOMPARE(rig.valueInFile(QStringLiteral("Uziv_4_Heslo")), stored(QStringLiteral("eva")));
    QVERIFY(inUserEditor([&] { click(rig, form.usersPage().newButton()); },
                         [](UserEditor& editor) {
                             typeText(editor.nameField(), QStringLiteral("Nová"));
                             QTest::keyClick(editor.nameField(),
                                             Qt::Key_Return); // OK is the default
                         }));
    QCOMPARE(rig.valueInFile(QStringLiteral("MaxIDUziv")), QStringLiteral("5"));
    QCOMPARE(listRows(grid(rig)), (QStringList{QStringLiteral("1|Karel"), QStringLiteral("3|Eva"),
                                               QStringLiteral("5|Nová")}));
}

void TestUserEditor::selectAllLeavesDisabledBoxes() {
    SettingsRig rig({QStringLiteral("Vstup1En=1"), QStringLiteral("Vstup10En=1"),
                     QStringLiteral("Vystup2En=1"), QStringLiteral("Vystup16En=1")});
    SettingsDialog& form = openAsAdministrator(rig);
    QVERIFY(inUserEditor(
        [&] { click(rig, form.usersPage().newButton()); },
        [](UserEditor& editor) {
            auto press = [&](const char* name) {
                QTest::mouseClick(editor.findChild<QPushButton*>(QLatin1String(name)),
                                  Qt::LeftButton);
            };
            press("selectAllButton"); // "Vybrat vše"
            QCOMPARE(editor.inputs(), flagString({1, 10, 11, 20}));
            QCOMPARE(editor.sourceSwitching(), flagString({2, 16}));
            QCOMPARE(editor.outputs(), flagString({2, 16}));
            QCOMPARE(rightsTicked(editor), std::vector<bool>(6, true));
            press("clearAllButton"); // "Vymazat vše"
            QCOMPARE(editor.inputs() + editor.outputs(), flagString({}) + flagString({}));
            QCOMPARE(rightsTicked(editor), std::vector<bool>(6, false));
            editor.reject();
        }));
}

void TestUserEditor::emptyListOffersNothingToEdit() {
    SettingsRig rig;
    SettingsDialog& form = openAsAdministrator(rig);
    const QByteArray before = rig.settingsBytes();
    const settings::UsersPage& page = form.usersPage();
    for (QToolButton* button : {page.editButton(), page.copyButton(), page.deleteButton()})
        QVERIFY(!inUserEditor([&] { click(rig, button); }, [](UserEditor&) {}));
    QVERIFY(!inUserEditor([&] { doubleClickRow(grid(rig), 0); }, [](UserEditor&) {}));
    QCOMPARE(rig.settingsBytes(), before);
}

void TestUserEditor::menuAndDoubleClickRunTheCommands() {
    SettingsRig rig(twoUsers());
    SettingsDialog& form = openAsAdministrator(rig);
    form.pages()->setCurrentIndex(SettingsDialog::kUsersPage);
    auto menuItem = [&](const char* name) {
        return form.usersPage().popupMenu()->findChild<QAction*>(QLatin1String(name));
    };
    // What each way of opening the editor shows: its mode and the name loaded.
    auto opened = [&](const std::function<void()>& open) {
        QString seen;
        inUserEditor(open, [&](UserEditor& editor) {
            seen = QStringLiteral("%1%2%3 %4")
                       .arg(int{editor.isNew()})
                       .arg(int{editor.isEditing()})
                       .arg(int{editor.isCopying()})
                       .arg(editor.isNew() ? QString() : editor.nameField()->text());
            editor.reject();
        });
        return seen;
    };
    clickRow(grid(rig), 1);
    QCOMPARE(opened([&] { menuItem("editUserAction")->trigger(); }), QStringLiteral("010 Eva"));
    QCOMPARE(opened([&] { doubleClickRow(grid(rig), 0); }), QStringLiteral("010 Karel"));
    QCOMPARE(opened([&] { menuItem("copyUserAction")->trigger(); }), QStringLiteral("001 Karel"));
    QCOMPARE(opened([&] { menuItem("newUserAction")->trigger(); }), QStringLiteral("100 "));
    menuItem("deleteUserAction")->trigger();
    QCOMPARE(listRows(grid(rig)), QStringList{QStringLiteral("3|Eva")});
}

void TestUserEditor::commandsTakeTheSelectedRow_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("edit"); // else delete
    QTest::newRow("selected by an accessibility client, Smazat")
        << QStringLiteral("accessibility") << false;
    QTest::newRow("selected alone, Upravit") << QStringLiteral("selection") << true;
    QTest::newRow("made current alone, Smazat") << QStringLiteral("current") << false;
}

// Karel, the first row, has the focus; Eva is chosen without moving it along. The command
// must act on Eva, and the focus follow her.
void TestUserEditor::commandsTakeTheSelectedRow() {
    QFETCH(QString, how);
    QFETCH(bool, edit);
    SettingsRig rig(twoUsers());
    SettingsDialog& form = openAsAdministrator(rig);
    QTableWidget* list = grid(rig);
    QCOMPARE(list->currentRow(), 0);
    const QModelIndex eva = list->model()->index(1, 0);
    if (how == QLatin1String("accessibility"))
        QVERIFY(selectRowAccessibly(list, 1));
    else if (how == QLatin1String("selection"))
        list->selectionModel()->select(eva, QItemSelectionModel::ClearAndSelect);
    else
        list->selectionModel()->setCurrentIndex(eva, QItemSelectionModel::NoUpdate);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QVERIFY(list->selectionModel()->isRowSelected(1));
    if (edit) {
        QString opened;
        QVERIFY(inUserEditor([&] { click(rig, form.usersPage().editButton()); },
                             [&](UserEditor& editor) {
                                 opened = editor.nameField()->text();
                                 editor.reject();
                             }));
        QCOMPARE(opened, QStringLiteral("Eva"));
    } else {
        click(rig, form.usersPage().deleteButton());
        QCOMPARE(listRows(list), QStringList{QStringLiteral("1|Karel")});
    }
}

void TestUserEditor::savePrompt_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes saves and passes the flags on") << true;
    QTest::newRow("No keeps what was loaded") << false;
}

void TestUserEditor::savePrompt() {
    QFETCH(bool, yes);
    SettingsRig rig({QStringLiteral("Vstup1En=1"), QStringLiteral("Vstup4En=0")});
    SettingsDialog& form = openAsAdministrator(rig);
    rig.messages().answer = yes;
    auto newUserOffersInput4 = [&] {
        bool enabled = false;
        inUserEditor([&] { click(rig, form.usersPage().newButton()); },
                     [&](UserEditor& editor) {
                         enabled = editor.inputConfigBoxes().box(4)->isEnabled();
                         editor.reject();
                     });
        return enabled;
    };
    // Typing a name is no change of the enable flags: nothing is asked.
    retype(form.inputsPage().row(1).nameField(), QStringLiteral("Jiné"));
    QVERIFY(!newUserOffersInput4());
    QVERIFY(rig.messages().questions.empty());

    clickIndicator(form.inputsPage().row(4).checkBox());
    QCOMPARE(newUserOffersInput4(), yes);
    QCOMPARE(rig.messages().questions.size(), std::size_t{1});
    QCOMPARE(rig.messages().questions[0].caption, QStringLiteral("Nastavení"));
    QCOMPARE(rig.messages().questions[0].text,
             QStringLiteral("Přejete si uložit změněná nastavení ?"));
    QCOMPARE(rig.valueInFile(QStringLiteral("Vstup4En")), QString::number(yes ? 1 : 0));
    // Saved and read again: the editor shows the names as stored now.
    QCOMPARE(form.userEditor().inputConfigBoxes().box(1)->text(),
             yes ? QStringLiteral("Jiné") : QStringLiteral("Vstup 1"));
    QCOMPARE(form.enablingChanged(), !yes);
    // Edit and Copy on the empty row ask as New does while the flags are unsaved, and then
    // open nothing.
    for (QToolButton* button : {form.usersPage().editButton(), form.usersPage().copyButton()})
        QVERIFY(!inUserEditor([&] { click(rig, button); }, [](UserEditor&) {}));
    QCOMPARE(rig.messages().questions.size(), std::size_t{yes ? 1U : 3U});
}

void TestUserEditor::refusedSavesKeepTheEditorOpen() {
    SettingsRig rig(twoUsers());
    SettingsDialog& form = openAsAdministrator(rig);
    const QByteArray before = rig.settingsBytes();
    bool keptOpen = false;
    QVERIFY(inUserEditor([&] { click(rig, form.usersPage().newButton()); },
                         [&](UserEditor& editor) {
                             typeText(editor.nameField(), QStringLiteral("Host"));
                             typeText(editor.passwordField(),
                                      QStringLiteral("パス")); // not in cp1250
                             pressOk(editor);
                             keptOpen = editor.isVisible();
                             editor.reject();
                         }));
    QVERIFY(keptOpen);
    QCOMPARE(rig.settingsBytes(), before);
    QCOMPARE(rig.messages().messages.size(), std::size_t{1});
    QCOMPARE(rig.messages().messages[0].icon, settings::MessageIcon::Error);
    QCOMPARE(rig.messages().messages[0].caption, QStringLiteral("Editace uživatelů"));

    // A damaged counter gives no ID the readers look at: the new user is refused.
    rig.data().settings().writeText(QStringLiteral("MaxIDUziv"), QStringLiteral("-3"));
    const QByteArray damaged = rig.settingsBytes();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not saved")));
    WhenShown refused(QStringLiteral("userEditor"), [](QDialog& dialog) {
        auto& editor = static_cast<UserEditor&>(dialog);
        typeText(editor.nameField(), QStringLiteral("Host"));
        pressOk(editor);
    });
    click(rig, form.usersPage().newButton());
    QVERIFY(refused.leftOpen());
    QCOMPARE(rig.settingsBytes(), damaged);
    QVERIFY(rig.messages().messages[1].text.contains(QStringLiteral("MaxIDUziv")));
    rig.messages().messages.pop_back();

    // A directory where the file should be: every write is refused, and said so.
    QVERIFY(QFile::remove(rig.settingsPath()));
    QVERIFY(QDir().mkdir(rig.settingsPath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not saved")));
    WhenShown shown(QStringLiteral("userEditor"),
                    [](QDialog& dialog) { pressOk(static_cast<UserEditor&>(dialog)); });
    click(rig, form.usersPage().newButton());
    QVERIFY(shown.leftOpen());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("smazat")));
    click(rig, form.usersPage().deleteButton());
    QCOMPARE(rig.messages().messages.size(), std::size_t{3});
    QVERIFY(rig.messages().messages[1].text.startsWith(
        QStringLiteral("Uživatele se nepodařilo uložit:\r\n") + rig.settingsPath()));
    QVERIFY(rig.messages().messages[2].text.startsWith(
        QStringLiteral("Uživatele se nepodařilo smazat")));
}

QTEST_MAIN(TestUserEditor)
#include "tst_usereditor.moc"
