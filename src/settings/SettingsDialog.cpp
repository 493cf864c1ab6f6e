#include "settings/SettingsDialog.h"

#include "config/DatabaseError.h"
#include "config/LocalKeysFile.h"
#include "config/SettingsWriteError.h"
#include "config/SharedSettingsFile.h"
#include "data/DataModule.h"
#include "settings/ConnectionPage.h"
#include "settings/ControlPage.h"
#include "settings/GroupEditor.h"
#include "settings/GroupsPage.h"
#include "settings/InputsNamesPage.h"
#include "settings/MessageSink.h"
#include "settings/OkCancelButtons.h"
#include "settings/OutputsNamesPage.h"
#include "settings/RadioPage.h"
#include "settings/RadioScheduleExchange.h"
#include "settings/SchedulePage.h"
#include "settings/SettingsCaption.h"
#include "settings/SettingsLog.h"
#include "settings/UsersPage.h"
#include "users/CentralSettingsStore.h"
#include "users/GroupDatabaseStore.h"
#include "users/GroupFileStore.h"
#include "users/UserDatabaseStore.h"
#include "users/UserFileStore.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orfa::settings {
namespace {

QString databaseCaption() {
    return QStringLiteral("Nastavení databáze");
}

} // namespace

SettingsDialog::SettingsDialog(data::DataModule& dataModule, users::CentralSettingsStore& database,
                               MessageSink& messages, QWidget* parent)
    : QDialog(parent)
    , data_(dataModule)
    , database_(database)
    , messages_(messages) {
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(settingsCaption());
    setModal(true);
    buildPages();
    buildButtons();
    exchange_ = std::make_unique<RadioScheduleExchange>(data_.amplifier(), data_.control(), *radio_,
                                                        *schedule_, messages_);
    // The editors live as long as the dialog.
    userEditor_ = new UserEditor(messages_, this);
    groupEditor_ = new GroupEditor(messages_, this);
    userFile_ = std::make_unique<users::UserFileStore>(data_.settings());
    userDatabase_ = std::make_unique<users::UserDatabaseStore>(data_.database());
    groupFile_ = std::make_unique<users::GroupFileStore>(data_.settings());
    groupDatabase_ = std::make_unique<users::GroupDatabaseStore>(data_.database());
    connectCommands();
    connect(connection_, &ConnectionPage::databaseClicked, this,
            &SettingsDialog::databaseBoxClicked);
    connect(connection_, &ConnectionPage::outputsChoiceClicked, this,
            &SettingsDialog::applyEnabling);
    connect(inputs_, &InputsNamesPage::enableClicked, this, &SettingsDialog::applyEnabling);
    connect(outputs_, &OutputsNamesPage::enableClicked, this, &SettingsDialog::applyEnabling);
    connect(radio_, &RadioPage::loadClicked, this, [this] { exchange_->readRadioMemories(); });
    connect(radio_, &RadioPage::storeClicked, this, [this] { exchange_->storeRadioMemories(); });
    connect(schedule_, &SchedulePage::loadClicked, this, [this] { exchange_->readSchedule(); });
    connect(schedule_, &SchedulePage::storeClicked, this, [this] { exchange_->storeSchedule(); });
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::buildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    connection_ = new ConnectionPage(pages_);
    control_ = new ControlPage(pages_);
    inputs_ = new InputsNamesPage(pages_);
    outputs_ = new OutputsNamesPage(pages_);
    groups_ = new GroupsPage(pages_);
    users_ = new UsersPage(pages_);
    radio_ = new RadioPage(pages_);
    schedule_ = new SchedulePage(pages_);
    pages_->addTab(connection_, QStringLiteral("Připojení"));
    pages_->addTab(control_, QStringLiteral("Ovládání"));
    pages_->addTab(inputs_, QStringLiteral("Vstupy"));
    pages_->addTab(outputs_, QStringLiteral("Výstupy"));
    pages_->addTab(groups_, QStringLiteral("Skupiny"));
    pages_->addTab(users_, QStringLiteral("Uživatelé"));
    pages_->addTab(radio_, QStringLiteral("Rádio"));
    pages_->addTab(schedule_, QStringLiteral("Plánovač"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
}

// Enter in a field closes nothing; Esc cancels.
void SettingsDialog::buildButtons() {
    const OkCancelButtons buttons =
        newOkCancelButtons(this, OkCancelButtons::Enter::PressesNothing);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    layout()->addWidget(buttons.box);
    connect(buttons.box, &QDialogButtonBox::accepted, this, [this] {
        saveOnOk();
        accept();
    });
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        loadAll();
    }
}

void SettingsDialog::done(int result) {
    // Answers that come after the dialog has closed are not shown.
    exchange_->detach();
    QDialog::done(result);
}

void SettingsDialog::loadAll() {
    exchange_->attach();
    readLocalSettings();
    const bool sharedFromDatabase = data_.usesDatabase() && tryReadSharedFromDatabase();
    if (!sharedFromDatabase)
        readSharedFromFile();
    applyEnabling();
    fillUserList();
    fillGroupList();
    exchange_->readRadioMemories();
    exchange_->readSchedule();
    pages_->setTabVisible(kUsersPage, users::UserRights::granted(data_.rights().profile));
    pages_->setCurrentIndex(kConnectionPage);
    enablingChanged_ = false;
    sharedReadFromDatabase_ = sharedFromDatabase;
    limitSharedTexts();
}

// With the database in use but unreadable, the dialog still opens, with the values of the
// settings file; sharedReadFromDatabase() then stays off, so that OK cannot overwrite the central
// settings with values that were never read from there.
bool SettingsDialog::tryReadSharedFromDatabase() {
    try {
        readSharedFromDatabase();
        return true;
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "shared settings not read from the central database:"
                              << error.message();
        // After the dialog has appeared, so that the message stands over it.
        QTimer::singleShot(0, this, [this, reason = error.message()] {
            messages_.showMessage(
                MessageIcon::Warning, settingsCaption(),
                QStringLiteral("Nastavení z centrální databáze se nepodařilo načíst:\r\n%1\r\n"
                               "Zobrazuje se nastavení ze souboru Orfa.ini. Sdílená nastavení "
                               "se do databáze neuloží, dokud ji nebude možné načíst.")
                    .arg(reason));
        });
        return false;
    }
}

void SettingsDialog::applyEnabling() {
    connection_->setDatabaseFieldsEnabled(data_.usesDatabase());
    outputs_->applyEnabling(connection_->outputsChoice() == 1);
    inputs_->applyEnabling();
    enablingChanged_ = true;
}

void SettingsDialog::databaseBoxClicked(bool checked) {
    data_.setUsesDatabase(checked);
    if (checked && connection_->detailsComplete())
        database_.connect(); // a failure shows when OK tests the connection
    if (!data_.usesDatabase() && database_.isConnected())
        database_.close();
    if (data_.usesDatabase())
        messages_.showMessage(
            MessageIcon::Warning, settingsCaption(),
            QStringLiteral("Při nastavení použití databáze je nutné restartovat program.\r\n"
                           "Nyní se uloží pouze použití a přístup k databázi.\r\n"
                           "Případné další nastavení je nutné provést po restartu programu."));
    limitSharedTexts();
    applyEnabling();
}

void SettingsDialog::saveOnOk() {
    if (data_.usesDatabase() && connection_->detailsComplete()) {
        // The test connects with the details stored so far, not with those typed now.
        if (!database_.isConnected() && !database_.connect()) {
            qCWarning(lcSettings) << "central database not reachable:" << database_.lastError();
            data_.setUsesDatabase(false);
            messages_.showMessage(
                MessageIcon::Error, databaseCaption(),
                QStringLiteral("Nepodařilo se připojit k databázi, ruším užívání databáze."));
        }
    } else {
        if (data_.usesDatabase())
            messages_.showMessage(MessageIcon::Error, databaseCaption(),
                                  QStringLiteral("Nejsou zadány údaje pro připojení k databázi, "
                                                 "ruším užívání databáze."));
        data_.setUsesDatabase(false);
    }
    try {
        writeLocalSettings();
        if (data_.usesDatabase() && database_.isConnected() && sharedReadFromDatabase_)
            writeSharedToDatabase();
        if (!data_.usesDatabase())
            writeSharedToFile();
    } catch (const config::SettingsWriteError& error) {
        qCWarning(lcSettings) << "settings not saved:" << error.path() << error.reason();
        reportSaveFailure(QStringLiteral("Nastavení se nepodařilo uložit do souboru %1:\r\n%2\r\n"
                                         "Uložení skončilo touto chybou; co se do souboru "
                                         "nezapsalo, v něm zůstalo beze změny.")
                              .arg(error.path(), error.reason()));
    } catch (const config::DatabaseError& error) {
        qCWarning(lcSettings) << "shared settings not saved to the central database:"
                              << error.message();
        reportSaveFailure(QStringLiteral("Sdílená nastavení se nepodařilo uložit do centrální "
                                         "databáze:\r\n%1\r\nNastavení v databázi zůstalo "
                                         "beze změny.")
                              .arg(error.message()));
    }
}

void SettingsDialog::reportSaveFailure(const QString& reason) {
    messages_.showMessage(MessageIcon::Error, settingsCaption(), reason);
}

} // namespace orfa::settings
