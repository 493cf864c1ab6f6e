#include "settings/UsersPage.h"

#include "settings/ListGrid.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace orfa::settings {

UsersPage::UsersPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    grid_ = newListGrid(this, QStringLiteral("UzivGrid"), QStringLiteral("Uživatelé"),
                        {QStringLiteral("ID"), QStringLiteral("Jméno"), QStringLiteral("Heslo"),
                         QStringLiteral("Administrátor")});
    layout->addWidget(grid_);
}

void UsersPage::showUsers(const std::vector<UserListRow>& users) {
    std::vector<QStringList> rows;
    rows.reserve(users.size());
    for (const UserListRow& user : users)
        rows.push_back({QString::number(user.id), user.name, user.password,
                        user.administrator ? QStringLiteral("Ano") : QString()});
    fillListGrid(grid_, rows);
}

} // namespace orfa::settings
