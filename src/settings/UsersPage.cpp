#include "settings/UsersPage.h"

#include "settings/ListCommands.h"
#include "settings/ListGrid.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orfa::settings {

UsersPage::UsersPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    buildToolBar();
    grid_ = newListGrid(this, QStringLiteral("userList"), QStringLiteral("Uživatelé"),
                        {QStringLiteral("ID"), QStringLiteral("Jméno"), QStringLiteral("Heslo"),
                         QStringLiteral("Administrátor")});
    layout->addWidget(grid_);
    buildPopupMenu();
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &UsersPage::editRequested);
}

void UsersPage::buildToolBar() {
    auto* bar = new QHBoxLayout;
    newButton_ = newCommandButton(this, QStringLiteral("newUserButton"), QStringLiteral("Nový"));
    editButton_ =
        newCommandButton(this, QStringLiteral("editUserButton"), QStringLiteral("Upravit"));
    copyButton_ =
        newCommandButton(this, QStringLiteral("copyUserButton"), QStringLiteral("Kopírovat"));
    deleteButton_ =
        newCommandButton(this, QStringLiteral("deleteUserButton"), QStringLiteral("Smazat"));
    for (QToolButton* button : {newButton_, editButton_, copyButton_, deleteButton_})
        bar->addWidget(button);
    bar->addStretch();
    qobject_cast<QVBoxLayout*>(layout())->addLayout(bar);
    connect(newButton_, &QToolButton::clicked, this, &UsersPage::newRequested);
    connect(editButton_, &QToolButton::clicked, this, &UsersPage::editRequested);
    connect(copyButton_, &QToolButton::clicked, this, &UsersPage::copyRequested);
    connect(deleteButton_, &QToolButton::clicked, this, &UsersPage::deleteRequested);
}

void UsersPage::buildPopupMenu() {
    popupMenu_ = new QMenu(grid_);
    popupMenu_->setObjectName(QStringLiteral("userMenu"));
    const struct {
        const char* name;
        QString text;
        void (UsersPage::*command)();
    } items[] = {
        {"newUserAction", QStringLiteral("&Nový..."), &UsersPage::newRequested},
        {"editUserAction", QStringLiteral("&Upravit..."), &UsersPage::editRequested},
        {"copyUserAction", QStringLiteral("&Kopírovat..."), &UsersPage::copyRequested},
        {"deleteUserAction", QStringLiteral("&Smazat"), &UsersPage::deleteRequested},
    };
    for (const auto& item : items) {
        QAction* action = popupMenu_->addAction(item.text);
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, item.command);
    }
    // The menu key opens it too.
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (const QModelIndex index = grid_->indexAt(at); index.isValid())
            grid_->setCurrentCell(index.row(), 0);
        popupMenu_->popup(grid_->viewport()->mapToGlobal(at));
    });
}

void UsersPage::showUsers(const std::vector<users::UserListRow>& users) {
    const int row = grid_->currentRow();
    std::vector<QStringList> rows;
    rows.reserve(users.size());
    for (const users::UserListRow& user : users)
        rows.push_back({QString::number(user.id), user.name, user.password,
                        user.administrator ? QStringLiteral("Ano") : QString()});
    fillListGrid(grid_, rows);
    selectRow(grid_, row);
}

int UsersPage::selectedId() const {
    return idInSelectedRow(grid_);
}

} // namespace orfa::settings
