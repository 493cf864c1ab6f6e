#pragma once

#include "config/NstValues.h"
#include "settings/UserEditor.h"

#include <QDialog>

#include "link/Instructions.h"

#include <array>
#include <memory>
#include <vector>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace orfa::data {
class DataModule;
}

namespace orfa::users {
class CentralSettingsStore;
class GroupStore;
class UserStore;
} // namespace orfa::users

namespace orfa::settings {

class ConnectionPage;
class ControlPage;
class GroupsPage;
class InputsNamesPage;
class MessageSink;
class OutputsNamesPage;
class RadioPage;
class RadioScheduleExchange;
class SchedulePage;
class GroupEditor;
class UsersPage;

// The settings dialog "Nastavení": how to reach the central database and the amplifier, the
// panel's behaviour, names and enable flags of inputs and outputs, groups, users, the radio
// memories and the weekly schedule. Created for one use and shown modally; showing it loads
// every value afresh and asks the amplifier for its memories and schedule. "&OK" stores the
// local settings in the settings file and the shared ones in the store that was in use when
// the dialog opened; "&Stormo" (Esc) stores nothing.
//
// The dialog changes the data module's usesDatabase() as the operator switches the database on or
// off, and on OK when the database cannot be used.
//
// Users and groups are not part of OK and Stormo: the user editor and the group editor, which
// the dialog owns while it is open, store each record at once in the store in use at that
// moment. Whenever the dialog reads the shared settings it passes the names and enable flags
// of inputs and outputs on to the editors, which offer only the enabled ones.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The pages, in their order.
    enum Page {
        kConnectionPage,
        kControlPage,
        kInputsPage,
        kOutputsPage,
        kGroupsPage,
        kUsersPage,
        kRadioPage,
        kSchedulePage,
    };

    // dataModule, database and messages must outlive the dialog.
    SettingsDialog(data::DataModule& dataModule, users::CentralSettingsStore& database,
                   MessageSink& messages, QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // The local keys into the controls (the database check box without running its click
    // handler), then the data module's usesDatabase() := that check box.
    void readLocalSettings();
    // The controls into the local keys. Throws SettingsWriteError.
    void writeLocalSettings();
    // The shared settings between the controls and the settings file; the read passes every input's
    // and output's name and flag on to the editors. The write clears enablingChanged() and throws
    // SettingsWriteError.
    void readSharedFromFile();
    void writeSharedToFile();
    // The same with table NST; a setting without its row keeps what its control shows, and
    // the editors get only the inputs and outputs that have a row. The write clears
    // enablingChanged(). Both throw config::DatabaseError; the controls are changed only after
    // a complete read, and the write refuses a text longer than NST holds before anything is
    // written, naming its field.
    void readSharedFromDatabase();
    void writeSharedToDatabase();
    // Fill the users and the groups lists from the store in use; a database that cannot be
    // asked leaves the list empty.
    void fillUserList();
    void fillGroupList();

    // The database fields follow usesDatabase(), outputs 9 to 16 the outputs choice, every name
    // field its own check box; sets enablingChanged().
    void applyEnabling();
    // The operator switched the database check box to checked.
    void databaseBoxClicked(bool checked);
    // The OK button's work before the dialog closes with the result OK. A store that refuses
    // the settings is reported to the operator; the dialog closes all the same.
    void saveOnOk();

    // The commands of the page "Uživatelé". New, Edit and Copy first offer to save changed
    // enable flags (the save prompt), then open the user editor; Edit and Copy act on the
    // selected row and, after the prompt, do nothing on the empty row of an empty list.
    // Delete removes the selected user without asking. The list is refilled after every
    // stored change.
    void newUser();
    void editUser();
    void copyUser();
    void deleteUser();
    // The commands of the page "Skupiny": New, Edit (nothing on the empty row) and Delete,
    // as for users.
    void newGroup();
    void editGroup();
    void deleteGroup();

    // Enable flags or the outputs choice changed since the dialog opened or last saved.
    bool enablingChanged() const { return enablingChanged_; }
    // usesDatabase() as it was when the dialog finished opening and the database could be read:
    // only then does OK write the shared settings to the database.
    bool sharedReadFromDatabase() const { return sharedReadFromDatabase_; }

    QTabWidget* pages() const { return pages_; }
    ConnectionPage& connectionPage() const { return *connection_; }
    InputsNamesPage& inputsPage() const { return *inputs_; }
    OutputsNamesPage& outputsPage() const { return *outputs_; }
    GroupsPage& groupsPage() const { return *groups_; }
    UsersPage& usersPage() const { return *users_; }
    SchedulePage& schedulePage() const { return *schedule_; }
    UserEditor& userEditor() const { return *userEditor_; }
    GroupEditor& groupEditor() const { return *groupEditor_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Stops showing the amplifier's answers, then closes with result.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    void buildButtons();
    void loadAll();
    bool tryReadSharedFromDatabase();
    config::NstValues sharedFromControls() const;
    void showShared(const config::NstValues& values);
    std::vector<QLineEdit*> sharedTextFields() const;
    void limitSharedTexts();
    void refuseTextsNstCannotHold() const;
    void passOnToEditors(const config::NstValues& values,
                         const std::array<bool, link::kSourceCount>& inputs,
                         const std::array<bool, link::kOutputCount>& outputs);
    void connectCommands();
    void offerToSaveBeforeEditor();
    void reportSaveFailure(const QString& reason);
    users::UserStore& userStore();
    users::GroupStore& groupStore();
    void openUserEditor(UserEditor::Mode mode, int id);
    void openGroupEditor(bool isNew, int id);

    data::DataModule& data_;
    users::CentralSettingsStore& database_;
    MessageSink& messages_;

    QTabWidget* pages_ = nullptr;
    ConnectionPage* connection_ = nullptr;
    ControlPage* control_ = nullptr;
    InputsNamesPage* inputs_ = nullptr;
    OutputsNamesPage* outputs_ = nullptr;
    GroupsPage* groups_ = nullptr;
    UsersPage* users_ = nullptr;
    RadioPage* radio_ = nullptr;
    SchedulePage* schedule_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    std::unique_ptr<RadioScheduleExchange> exchange_;
    UserEditor* userEditor_ = nullptr;
    GroupEditor* groupEditor_ = nullptr;
    std::unique_ptr<users::UserStore> userFile_;
    std::unique_ptr<users::UserStore> userDatabase_;
    std::unique_ptr<users::GroupStore> groupFile_;
    std::unique_ptr<users::GroupStore> groupDatabase_;

    bool shown_ = false;
    bool enablingChanged_ = false;
    bool sharedReadFromDatabase_ = false;
};

} // namespace orfa::settings
