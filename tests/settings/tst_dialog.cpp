// The settings dialog itself: its pages and controls, what opening it does, the enabling
// rules, the database check box, and the paths of the OK button with the database details
// complete, incomplete and unreachable.
#include "settings/ConnectionPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/OutputsNamesPage.h"
#include "settings/SchedulePage.h"
#include "settings/support/SettingsRig.h"
#include "support/ClosedPort.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace orfa;
using settings::MessageIcon;

class TestDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesControlsAndCaptions();
    void rowsAreNamedForEveryone();
    void usersPageFollowsProfileRight_data();
    void usersPageFollowsProfileRight();
    void openingWithTheDatabaseRunsNoClickHandler();
    void enableCheckBoxesDecideNameFields();
    void eightOutputsDisableTheUpperRows();
    void completeDetails_data();
    void completeDetails();
    void tickingTheDatabaseBox_data();
    void tickingTheDatabaseBox();
    void okButton_data();
    void okButton();
    void cancelAfterTickingTheDatabaseBox();
    void enterInAFieldClosesNothing();
};

namespace {

const QString kRestart =
    QStringLiteral("Při nastavení použití databáze je nutné restartovat program.\r\n"
                   "Nyní se uloží pouze použití a přístup k databázi.\r\n"
                   "Případné další nastavení je nutné provést po restartu programu.");
const QString kConnectFailed =
    QStringLiteral("Nepodařilo se připojit k databázi, ruším užívání databáze.");
const QString kNoDetails =
    QStringLiteral("Nejsou zadány údaje pro připojení k databázi, ruším užívání databáze.");

// Database details that pass the completeness rule but reach no server.
QStringList unreachableDetails() {
    return {QStringLiteral("DBIPE=127.0.0.1"),
            QStringLiteral("DBPortE=%1").arg(closedLoopbackPort()),
            QStringLiteral("DBCestaE=/var/lib/orfa/orfa.fdb"), QStringLiteral("DBLoginE=orfa"),
            QStringLiteral("DBHesloE=tajne")};
}

// Types "KEY=value" lines into the database fields that edit those keys.
void typeDetails(SettingsRig& rig, const QStringList& details) {
    const QHash<QString, QString> fields{
        {QStringLiteral("DBIPE"), QStringLiteral("databaseHostField")},
        {QStringLiteral("DBPortE"), QStringLiteral("databasePortField")},
        {QStringLiteral("DBCestaE"), QStringLiteral("databasePathField")},
        {QStringLiteral("DBLoginE"), QStringLiteral("databaseUserField")},
        {QStringLiteral("DBHesloE"), QStringLiteral("databasePasswordField")}};
    for (const QString& line : details) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        rig.lineEdit(fields.value(key))->setText(line.section(QLatin1Char('='), 1));
    }
}

bool labelExists(const QWidget* parent, const QString& text) {
    const auto labels = parent->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(),
                       [&](const QLabel* label) { return label->text() == text; });
}

} // namespace

void TestDialog::pagesControlsAndCaptions() {
    SettingsRig rig;
    settings::SettingsDialog& form = rig.open();
    QCOMPARE(form.windowTitle(), QStringLiteral("Nastavení"));
    QVERIFY(form.isModal());
    QStringList tabs;
    for (int i = 0; i < form.pages()->count(); ++i)
        tabs << form.pages()->tabText(i);
    QCOMPARE(tabs, (QStringList{QStringLiteral("Připojení"), QStringLiteral("Ovládání"),
                                QStringLiteral("Vstupy"), QStringLiteral("Výstupy"),
                                QStringLiteral("Skupiny"), QStringLiteral("Uživatelé"),
                                QStringLiteral("Rádio"), QStringLiteral("Plánovač")}));
    QCOMPARE(form.pages()->currentIndex(), 0);
    QCOMPARE(form.okButton()->text(), QStringLiteral("&OK"));
    QCOMPARE(form.cancelButton()->text(), QStringLiteral("&Stormo"));
    QCOMPARE(rig.lineEdit(QStringLiteral("databasePasswordField"))->echoMode(),
             QLineEdit::Password);
    QCOMPARE(rig.lineEdit(QStringLiteral("amplifierPasswordField"))->echoMode(),
             QLineEdit::Password);
    QVERIFY(!rig.lineEdit(QStringLiteral("amplifierPasswordField"))->isEnabled());
    QCOMPARE(rig.checkBox(QStringLiteral("databaseBox"))->text(),
             QStringLiteral("Použivat pro uložení konfigurace databázi firerbird (centrální "
                            "správa uživatelů)"));
    QCOMPARE(rig.checkBox(QStringLiteral("inOperationBox"))->text(),
             QStringLiteral("Plánovač v provozu"));
    for (const QString& text :
         {QStringLiteral("IP adresa DB serveru"), QStringLiteral("Databáze (cesta)"),
          QStringLiteral("IP adresa zesilovače"),
          QStringLiteral("Prodleva před odesláním příkazu do zesilovače v ms:"),
          QStringLiteral("Vstup 7:"), QStringLiteral("Mikrofon:"), QStringLiteral("Rádio L:"),
          QStringLiteral("Rádio R:"), QStringLiteral("Výstup 16:"), QStringLiteral("Frekvence"),
          QStringLiteral("Jméno"),
          QStringLiteral("Při změně hlasitosti se mění hlasitost všech výstupů ve skupině")})
        QVERIFY2(labelExists(&form, text), qPrintable(text));
    QCOMPARE(rig.form().inputsPage().row(1).checkBox()->text(), QStringLiteral("Povolen"));
    QCOMPARE(rig.form().inputsPage().row(1).nameField()->maxLength(), 30);
    QCOMPARE(rig.form().outputsPage().row(16).nameField()->maxLength(), 30);

    QTableWidget* plan = form.schedulePage().grid();
    QCOMPARE(plan->rowCount(), 7);
    QCOMPARE(plan->horizontalHeaderItem(1)->text(), QStringLiteral("Zapnuto Od"));
    QCOMPARE(plan->horizontalHeaderItem(2)->text(), QStringLiteral("Zapnuto Do"));
    QCOMPARE(plan->item(0, 0)->text(), QStringLiteral("Pondělí"));
    QCOMPARE(plan->item(6, 0)->text(), QStringLiteral("Neděle"));
    QVERIFY(plan->item(2, 0)->flags() & Qt::ItemIsEditable);
    QTableWidget* users = rig.control<QTableWidget>(QStringLiteral("userList"));
    QCOMPARE(users->columnCount(), 4);
    QCOMPARE(users->horizontalHeaderItem(3)->text(), QStringLiteral("Administrátor"));
    QCOMPARE(
        rig.control<QTableWidget>(QStringLiteral("groupList"))->horizontalHeaderItem(1)->text(),
        QStringLiteral("Výstupy"));
}

void TestDialog::rowsAreNamedForEveryone() {
    SettingsRig rig;
    data::DataModule& data = rig.data();
    settings::MessageSink& sink = rig.messages();
    users::CentralSettingsDatabase store(data.database(), data.settings());
    // Before it is shown the dialog holds its initial texts.
    settings::SettingsDialog form(data, store, sink);
    QCOMPARE(form.inputsPage().row(3).nameField()->text(), QStringLiteral("Edit1"));
    QCOMPARE(form.outputsPage().row(9).nameField()->text(), QStringLiteral("Edit1"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("sendDelayField"))->text(),
             QStringLiteral("800"));
    QCOMPARE(form.inputsPage().row(3).nameField()->accessibleName(),
             QStringLiteral("Název vstupu 3"));
    QCOMPARE(form.inputsPage().row(3).checkBox()->accessibleName(),
             QStringLiteral("Povolen vstup 3"));
    QCOMPARE(form.outputsPage().row(12).nameField()->accessibleName(),
             QStringLiteral("Název výstupu 12"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("memoryFrequency4"))->accessibleName(),
             QStringLiteral("Frekvence paměti 4"));
    QCOMPARE(form.findChild<QCheckBox*>(QStringLiteral("memoryStereo4"))->accessibleName(),
             QStringLiteral("Stereo paměti 4"));
    QCOMPARE(form.schedulePage().grid()->item(2, 1)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Zapnuto od – Středa"));
    // Every field can be reached with the keyboard.
    const auto fields = form.findChildren<QLineEdit*>();
    for (const QLineEdit* field : fields)
        QVERIFY2(field->focusPolicy() & Qt::TabFocus, qPrintable(field->objectName()));
}

void TestDialog::usersPageFollowsProfileRight_data() {
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("visible");
    QTest::newRow("granted") << 1 << true;
    QTest::newRow("not granted") << 0 << false;
    QTest::newRow("only 1 grants") << 2 << false;
}

void TestDialog::usersPageFollowsProfileRight() {
    QFETCH(int, profile);
    QFETCH(bool, visible);
    SettingsRig rig;
    rig.data().grantAllRights();
    users::UserRights rights = rig.data().rights();
    rights.profile = profile;
    rig.data().setRights(rights);
    rig.open();
    QCOMPARE(rig.form().pages()->isTabVisible(settings::SettingsDialog::kUsersPage), visible);
    QCOMPARE(rig.form().pages()->isTabVisible(settings::SettingsDialog::kGroupsPage), true);
}

void TestDialog::openingWithTheDatabaseRunsNoClickHandler() {
    // The database is in use, but its details are incomplete: it cannot be reached.
    SettingsRig rig({QStringLiteral("DBChb=1"), QStringLiteral("Vstup5En=1"),
                     QStringLiteral("Vstup5Nzv=Pult")});
    QVERIFY(rig.data().usesDatabase());
    rig.data().setUsesDatabase(false); // as a Cancel earlier in this run may leave it
    rig.open();
    QVERIFY(rig.data().usesDatabase());
    QVERIFY(rig.checkBox(QStringLiteral("databaseBox"))->isChecked());
    QVERIFY(rig.lineEdit(QStringLiteral("databaseHostField"))->isEnabled());
    // It still opens completely, with the file's values, and says why.
    QCOMPARE(rig.form().inputsPage().row(5).nameField()->text(), QStringLiteral("Pult"));
    QVERIFY(rig.form().inputsPage().row(5).nameField()->isEnabled());
    QVERIFY(!rig.form().sharedReadFromDatabase());
    QVERIFY(!rig.form().enablingChanged());
    QVERIFY(QTest::qWaitFor([&] { return !rig.messages().messages.empty(); }, 2000));
    QCOMPARE(rig.messages().messages.size(), std::size_t{1});
    QVERIFY(rig.messages().messages[0].text.contains(QStringLiteral("centrální databáze")));
    QVERIFY(!rig.messages().texts().contains(kRestart));
    // Without the database the amplifier's address is unknown: the requests wait queued.
    QCOMPARE(rig.data().link().queuedCount(), 2);
    QVERIFY(rig.data().link().hasQueued(172));
    QVERIFY(rig.data().link().hasQueued(170));
}

void TestDialog::enableCheckBoxesDecideNameFields() {
    SettingsRig rig;
    rig.open();
    const auto& input2 = rig.form().inputsPage().row(2);
    QVERIFY(!input2.nameField()->isEnabled());
    // Typing changes nothing that the save prompt would ask about.
    QTest::keyClicks(rig.form().outputsPage().row(1).nameField(), QStringLiteral("x"));
    QVERIFY(!rig.form().enablingChanged());
    clickIndicator(input2.checkBox());
    QVERIFY(input2.nameField()->isEnabled());
    QVERIFY(rig.form().enablingChanged());
    const auto& output7 = rig.form().outputsPage().row(7);
    clickIndicator(output7.checkBox());
    QVERIFY(output7.nameField()->isEnabled());
    clickIndicator(output7.checkBox());
    QVERIFY(!output7.nameField()->isEnabled());
}

void TestDialog::eightOutputsDisableTheUpperRows() {
    SettingsRig rig({QStringLiteral("VstupyRG=0"), QStringLiteral("Vystup10En=1"),
                     QStringLiteral("Vystup3En=1")});
    rig.open();
    const auto& outputs = rig.form().outputsPage();
    QVERIFY(!outputs.row(10).checkBox()->isEnabled());
    QVERIFY(outputs.row(10).checkBox()->isChecked());
    QVERIFY(outputs.row(10).nameField()->isEnabled()); // its box is ticked
    QVERIFY(!outputs.row(11).checkBox()->isEnabled());
    QVERIFY(!outputs.row(11).nameField()->isEnabled());
    QVERIFY(outputs.row(3).nameField()->isEnabled());
    QVERIFY(!outputs.row(4).nameField()->isEnabled());
    QVERIFY(outputs.row(4).checkBox()->isEnabled());

    clickIndicator(rig.control<QRadioButton>(QStringLiteral("sixteenOutputs")));
    QVERIFY(rig.form().enablingChanged());
    QVERIFY(outputs.row(11).checkBox()->isEnabled());
    QVERIFY(!outputs.row(11).nameField()->isEnabled());
    clickIndicator(outputs.row(11).checkBox());
    QVERIFY(outputs.row(11).nameField()->isEnabled());
    clickIndicator(rig.control<QRadioButton>(QStringLiteral("eightOutputs")));
    QVERIFY(!outputs.row(11).checkBox()->isEnabled());
    QVERIFY(outputs.row(11).nameField()->isEnabled());
    QVERIFY(!outputs.row(16).nameField()->isEnabled());
}

void TestDialog::completeDetails_data() {
    QTest::addColumn<QStringList>("fields"); // address, port, path, login, password
    QTest::addColumn<bool>("complete");
    const QString path = QStringLiteral("/srv/a.fdb"); // 10 characters
    QTest::newRow("all there") << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("3050"),
                                              path, QStringLiteral("abc"), QStringLiteral("xyz")}
                               << true;
    QTest::newRow("short address")
        << QStringList{QStringLiteral("1.2.3."), QStringLiteral("3050"), path,
                       QStringLiteral("abc"), QStringLiteral("xyz")}
        << false;
    QTest::newRow("port not a number")
        << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("db"), path, QStringLiteral("abc"),
                       QStringLiteral("xyz")}
        << false;
    QTest::newRow("port -1") << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("-1"), path,
                                            QStringLiteral("abc"), QStringLiteral("xyz")}
                             << false;
    QTest::newRow("port 0") << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("0"), path,
                                           QStringLiteral("abc"), QStringLiteral("xyz")}
                            << true;
    QTest::newRow("short path") << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("3050"),
                                               QStringLiteral("/srv/a.fd"), QStringLiteral("abc"),
                                               QStringLiteral("xyz")}
                                << false;
    QTest::newRow("short login") << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("3050"),
                                                path, QStringLiteral("ab"), QStringLiteral("xyz")}
                                 << false;
    QTest::newRow("short password")
        << QStringList{QStringLiteral("1.2.3.4"), QStringLiteral("3050"), path,
                       QStringLiteral("abc"), QStringLiteral("xy")}
        << false;
}

void TestDialog::completeDetails() {
    QFETCH(QStringList, fields);
    QFETCH(bool, complete);
    settings::ConnectionPage page;
    const QString names[] = {
        QStringLiteral("databaseHostField"), QStringLiteral("databasePortField"),
        QStringLiteral("databasePathField"), QStringLiteral("databaseUserField"),
        QStringLiteral("databasePasswordField")};
    for (int i = 0; i < 5; ++i)
        page.findChild<QLineEdit*>(names[i])->setText(fields.at(i));
    QCOMPARE(page.detailsComplete(), complete);
}

void TestDialog::tickingTheDatabaseBox_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("connectAttempted");
    QTest::newRow("no details") << QStringList{} << false;
    QTest::newRow("unreachable details") << unreachableDetails() << true;
}

void TestDialog::tickingTheDatabaseBox() {
    QFETCH(QStringList, stored);
    QFETCH(bool, connectAttempted);
    SettingsRig rig(stored);
    rig.open();
    QVERIFY(!rig.lineEdit(QStringLiteral("databaseHostField"))->isEnabled());
    QCheckBox* box = rig.checkBox(QStringLiteral("databaseBox"));
    clickIndicator(box);
    QVERIFY(rig.data().usesDatabase());
    QCOMPARE(rig.messages().messages.size(), std::size_t{1});
    const auto& message = rig.messages().messages[0];
    QCOMPARE(message.text, kRestart);
    QCOMPARE(message.caption, QStringLiteral("Nastavení"));
    QVERIFY(message.icon == MessageIcon::Warning);
    QVERIFY(rig.lineEdit(QStringLiteral("databaseHostField"))->isEnabled());
    QVERIFY(!rig.lineEdit(QStringLiteral("amplifierPasswordField"))->isEnabled());
    QVERIFY(rig.form().enablingChanged());
    // Only complete details are tried; the failure shows at OK.
    QCOMPARE(!rig.data().database().lastError().isEmpty(), connectAttempted);
    QVERIFY(!rig.data().databaseConnected());

    clickIndicator(box);
    QVERIFY(!rig.data().usesDatabase());
    QCOMPARE(rig.messages().messages.size(), std::size_t{1});
    QVERIFY(!rig.lineEdit(QStringLiteral("databaseHostField"))->isEnabled());
}

void TestDialog::okButton_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("messages"); // after the restart message, if any
    QTest::addColumn<QString>("savedDbChb");

    QTest::newRow("database off") << QStringList{} << false << QStringList{} << QStringList{}
                                  << QStringLiteral("0");
    QTest::newRow("ticked, no details")
        << QStringList{} << true << QStringList{} << QStringList{kNoDetails} << QStringLiteral("1");
    QTest::newRow("ticked, password too short")
        << QStringList{} << true
        << QStringList{QStringLiteral("DBIPE=127.0.0.1"), QStringLiteral("DBPortE=3050"),
                       QStringLiteral("DBCestaE=/var/lib/orfa/orfa.fdb"),
                       QStringLiteral("DBLoginE=orfa"), QStringLiteral("DBHesloE=ab")}
        << QStringList{kNoDetails} << QStringLiteral("1");
    // The first switch: the details typed now are not stored yet, so the test connects with
    // the empty ones of the file and fails.
    QTest::newRow("first switch") << QStringList{} << true << unreachableDetails()
                                  << QStringList{kConnectFailed} << QStringLiteral("1");
    QTest::newRow("ticked, unreachable") << unreachableDetails() << true << QStringList{}
                                         << QStringList{kConnectFailed} << QStringLiteral("1");
    QTest::newRow("opened in use, incomplete")
        << QStringList{QStringLiteral("DBChb=1")} << false << QStringList{}
        << QStringList{kNoDetails} << QStringLiteral("1");
    QTest::newRow("opened in use, unreachable")
        << (unreachableDetails() << QStringLiteral("DBChb=1")) << false << QStringList{}
        << QStringList{kConnectFailed} << QStringLiteral("1");
}

void TestDialog::okButton() {
    QFETCH(QStringList, stored);
    QFETCH(bool, tick);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, savedDbChb);
    SettingsRig rig(stored << QStringLiteral("Vstup1Nzv=Před"));
    rig.open();
    if (rig.data().usesDatabase()) // the notice that the database could not be read
        QVERIFY(QTest::qWaitFor([&] { return !rig.messages().messages.empty(); }, 2000));
    rig.messages().messages.clear();
    if (tick)
        clickIndicator(rig.checkBox(QStringLiteral("databaseBox")));
    typeDetails(rig, typed);
    rig.form().inputsPage().row(1).nameField()->setText(QStringLiteral("Po"));
    QVERIFY(rig.pressOk());

    QStringList shown = rig.messages().texts();
    shown.removeAll(kRestart);
    QCOMPARE(shown, messages);
    for (const auto& message : rig.messages().messages) {
        if (message.text == kRestart)
            continue;
        QCOMPARE(message.caption, QStringLiteral("Nastavení databáze"));
        QVERIFY(message.icon == MessageIcon::Error);
    }
    // Every path here ends without the database; the shared settings go to the file.
    QVERIFY(!rig.data().usesDatabase());
    QCOMPARE(rig.valueInFile(QStringLiteral("DBChb")), savedDbChb);
    QCOMPARE(rig.valueInFile(QStringLiteral("Vstup1Nzv")), QStringLiteral("Po"));
    for (const QString& line : typed) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        QCOMPARE(rig.valueInFile(key), line.section(QLatin1Char('='), 1));
    }
}

void TestDialog::cancelAfterTickingTheDatabaseBox() {
    SettingsRig rig;
    const QByteArray before = rig.settingsBytes();
    rig.open();
    clickIndicator(rig.checkBox(QStringLiteral("databaseBox")));
    QVERIFY(rig.pressCancel());
    // The switch stays as clicked until the dialog is opened again; the file is untouched.
    QVERIFY(rig.data().usesDatabase());
    QCOMPARE(rig.settingsBytes(), before);
    rig.open();
    QVERIFY(!rig.data().usesDatabase());
    QVERIFY(!rig.checkBox(QStringLiteral("databaseBox"))->isChecked());
}

void TestDialog::enterInAFieldClosesNothing() {
    SettingsRig rig;
    rig.open();
    QLineEdit* field = rig.lineEdit(QStringLiteral("sendDelayField"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(rig.form().isVisible());
    QVERIFY(!rig.form().okButton()->isDefault());
    QCOMPARE(rig.form().okButton()->text(), QStringLiteral("&OK"));
    QCOMPARE(rig.form().cancelButton()->text(), QStringLiteral("&Stormo"));
    QVERIFY(rig.pressCancel());
}

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
