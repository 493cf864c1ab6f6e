#pragma once

#include "users/UserListRow.h"

#include <QWidget>

#include <vector>

class QMenu;
class QTableWidget;
class QToolButton;

namespace orfa::settings {

// The page "Uživatelé": the list of user accounts (grid `userList` with the columns "ID",
// "Jméno", "Heslo" and "Administrátor") and its commands New, Edit, Copy and Delete, offered
// by the tool buttons, by the list's context menu and, for Edit, by a double click on a row.
// The password is shown readable: this page is only for those allowed to change profiles.
// The page only reports the commands; the settings dialog carries them out.
class UsersPage : public QWidget {
    Q_OBJECT
public:
    explicit UsersPage(QWidget* parent = nullptr);

    // Fills the list; "Ano" marks administrators. Without users it keeps one empty row. The
    // selection stays on the same row where there still is one.
    void showUsers(const std::vector<users::UserListRow>& users);

    // The ID of the selected user; 0 on the empty row of an empty list.
    int selectedId() const;

    QTableWidget* grid() const { return grid_; }
    QToolButton* newButton() const { return newButton_; }
    QToolButton* editButton() const { return editButton_; }
    QToolButton* copyButton() const { return copyButton_; }
    QToolButton* deleteButton() const { return deleteButton_; }
    // The context menu: "&Nový...", "&Upravit...", "&Kopírovat...", "&Smazat".
    QMenu* popupMenu() const { return popupMenu_; }

Q_SIGNALS:
    void newRequested();
    void editRequested();
    void copyRequested();
    void deleteRequested();

private:
    void buildToolBar();
    void buildPopupMenu();

    QTableWidget* grid_ = nullptr;
    QToolButton* newButton_ = nullptr;
    QToolButton* editButton_ = nullptr;
    QToolButton* copyButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
    QMenu* popupMenu_ = nullptr;
};

} // namespace orfa::settings
