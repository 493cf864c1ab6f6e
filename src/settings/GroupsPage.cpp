#include "settings/GroupsPage.h"

#include "settings/ListCommands.h"
#include "settings/ListGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orfa::settings {

GroupsPage::GroupsPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    newButton_ = newCommandButton(this, QStringLiteral("newGroupButton"), QStringLiteral("Nová"));
    editButton_ =
        newCommandButton(this, QStringLiteral("editGroupButton"), QStringLiteral("Upravit"));
    deleteButton_ =
        newCommandButton(this, QStringLiteral("deleteGroupButton"), QStringLiteral("Smazat"));
    for (QToolButton* button : {newButton_, editButton_, deleteButton_})
        bar->addWidget(button);
    bar->addStretch();
    layout->addLayout(bar);
    connect(newButton_, &QToolButton::clicked, this, &GroupsPage::newRequested);
    connect(editButton_, &QToolButton::clicked, this, &GroupsPage::editRequested);
    connect(deleteButton_, &QToolButton::clicked, this, &GroupsPage::deleteRequested);

    grid_ = newListGrid(this, QStringLiteral("groupList"), QStringLiteral("Skupiny výstupů"),
                        {QStringLiteral("ID"), QStringLiteral("Výstupy")});
    layout->addWidget(grid_);
    auto* note = new QLabel(
        QStringLiteral("Při změně hlasitosti se mění hlasitost všech výstupů ve skupině"), this);
    note->setObjectName(QStringLiteral("groupNote"));
    note->setFrameShape(QFrame::StyledPanel);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    layout->addWidget(note);
}

void GroupsPage::showGroups(const std::vector<users::GroupListRow>& groups) {
    const int row = grid_->currentRow();
    std::vector<QStringList> rows;
    rows.reserve(groups.size());
    for (const users::GroupListRow& group : groups)
        rows.push_back({QString::number(group.id), group.members});
    fillListGrid(grid_, rows);
    selectRow(grid_, row);
}

int GroupsPage::selectedId() const {
    return idInSelectedRow(grid_);
}

} // namespace orfa::settings
