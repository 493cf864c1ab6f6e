#pragma once

#include "settings/UserListRow.h"

#include <QWidget>

#include <vector>

class QTableWidget;

namespace orfa::settings {

// The page "Uživatelé": the list of user accounts (grid `UzivGrid` with the columns "ID",
// "Jméno", "Heslo" and "Administrátor"). The password is shown readable: this page is only
// for those allowed to change profiles.
class UsersPage : public QWidget {
    Q_OBJECT
public:
    explicit UsersPage(QWidget* parent = nullptr);

    // Fills the list; "Ano" marks administrators. Without users it keeps one empty row.
    void showUsers(const std::vector<UserListRow>& users);

    QTableWidget* grid() const { return grid_; }

private:
    QTableWidget* grid_ = nullptr;
};

} // namespace orfa::settings
