// The commands of the pages "Uživatelé" and "Skupiny" and the save prompt before the editors.
#include "settings/SettingsDialog.h"

#include "config/DatabaseError.h"
#include "config/SettingsWriteError.h"
#include "data/DataModule.h"
#include "settings/GroupEditor.h"
#include "settings/GroupsPage.h"
#include "settings/MessageSink.h"
#include "settings/SettingsCaption.h"
#include "settings/SettingsLog.h"
#include "settings/UsersPage.h"
#include "users/GroupStore.h"
#include "users/UserStore.h"

namespace orfa::settings {
namespace {

// What the operator is told after a change of the central database failed: every change
// there is one transaction, rolled back on failure.
QString unchangedDatabase() {
    return QStringLiteral("\r\nDatabáze zůstala beze změny.");
}

// Runs change against a store; when the store refuses it, the operator is told what failed
// and why, with databaseNote after the reason of a database error. True when it succeeded.
template <typename Change>
bool changeOrReport(MessageSink& messages, const QString& what, const QString& databaseNote,
                    Change&& change) {
    QString reason;
    try {
        change();
        return true;
    } catch (const config::DatabaseError& error) {
        reason = error.message() + databaseNote;
    } catch (const config::SettingsWriteError& error) {
        reason = error.path() + QStringLiteral(": ") + error.reason();
    }
    qCWarning(lcSettings) << what << reason;
    messages.showMessage(MessageIcon::Error, settingsCaption(),
                         what + QStringLiteral(":\r\n") + reason);
    return false;
}

} // namespace

void SettingsDialog::connectCommands() {
    connect(users_, &UsersPage::newRequested, this, &SettingsDialog::newUser);
    connect(users_, &UsersPage::editRequested, this, &SettingsDialog::editUser);
    connect(users_, &UsersPage::copyRequested, this, &SettingsDialog::copyUser);
    connect(users_, &UsersPage::deleteRequested, this, &SettingsDialog::deleteUser);
    connect(groups_, &GroupsPage::newRequested, this, &SettingsDialog::newGroup);
    connect(groups_, &GroupsPage::editRequested, this, &SettingsDialog::editGroup);
    connect(groups_, &GroupsPage::deleteRequested, this, &SettingsDialog::deleteGroup);
}

users::UserStore& SettingsDialog::userStore() {
    return data_.usesDatabase() ? *userDatabase_ : *userFile_;
}

users::GroupStore& SettingsDialog::groupStore() {
    return data_.usesDatabase() ? *groupDatabase_ : *groupFile_;
}

// The editors offer inputs and outputs by the enable flags last read from the store; flags
// changed on the pages reach them only through the store.
void SettingsDialog::offerToSaveBeforeEditor() {
    if (!enablingChanged_ ||
        !messages_.ask(settingsCaption(), QStringLiteral("Přejete si uložit změněná nastavení ?")))
        return;
    if (data_.usesDatabase() && !sharedReadFromDatabase_) {
        // What the pages show did not come from the central database (it could not be read,
        // or it was switched on in this dialog); it must not replace the rows there.
        messages_.showMessage(MessageIcon::Warning, settingsCaption(),
                              QStringLiteral("Nastavení nelze uložit do centrální databáze, "
                                             "protože z ní nebylo načteno. Editor nabídne "
                                             "vstupy a výstupy podle dříve uloženého nastavení."));
        return;
    }
    const bool saved = changeOrReport(messages_, QStringLiteral("Nastavení se nepodařilo uložit"),
                                      unchangedDatabase(), [this] {
                                          if (data_.usesDatabase())
                                              writeSharedToDatabase();
                                          else
                                              writeSharedToFile();
                                      });
    if (!saved)
        return;
    changeOrReport(messages_, QStringLiteral("Uložené nastavení se nepodařilo znovu načíst"),
                   QString(), [this] {
                       if (data_.usesDatabase())
                           readSharedFromDatabase();
                       else
                           readSharedFromFile();
                   });
}

void SettingsDialog::openUserEditor(UserEditor::Mode mode, int id) {
    if (userEditor_->run(userStore(), mode, id) == QDialog::Accepted)
        fillUserList();
}

void SettingsDialog::openGroupEditor(bool isNew, int id) {
    if (groupEditor_->run(groupStore(), isNew, id) == QDialog::Accepted)
        fillGroupList();
}

void SettingsDialog::newUser() {
    offerToSaveBeforeEditor();
    openUserEditor(UserEditor::Mode::New, 0);
}

// The save prompt comes first, as for New, even when the list has no user to edit.
void SettingsDialog::editUser() {
    offerToSaveBeforeEditor();
    if (const int id = users_->selectedId(); id != 0)
        openUserEditor(UserEditor::Mode::Edit, id);
}

void SettingsDialog::copyUser() {
    offerToSaveBeforeEditor();
    if (const int id = users_->selectedId(); id != 0)
        openUserEditor(UserEditor::Mode::Copy, id);
}

void SettingsDialog::deleteUser() {
    const int id = users_->selectedId();
    if (id == 0)
        return;
    changeOrReport(messages_, QStringLiteral("Uživatele se nepodařilo smazat"), unchangedDatabase(),
                   [&] { userStore().remove(id); });
    fillUserList();
}

void SettingsDialog::newGroup() {
    offerToSaveBeforeEditor();
    openGroupEditor(true, 0);
}

// A group is never edited under ID 0: the empty row of an empty list has no group, and a
// group saved as 0 would be one that the list of the settings file never shows.
void SettingsDialog::editGroup() {
    const int id = groups_->selectedId();
    if (id == 0)
        return;
    offerToSaveBeforeEditor();
    openGroupEditor(false, id);
}

void SettingsDialog::deleteGroup() {
    const int id = groups_->selectedId();
    if (id == 0)
        return;
    changeOrReport(messages_, QStringLiteral("Skupinu se nepodařilo smazat"), unchangedDatabase(),
                   [&] { groupStore().remove(id); });
    fillGroupList();
}

} // namespace orfa::settings
