#include "settings/GroupsPage.h"

#include "settings/ListGrid.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orfa::settings {

GroupsPage::GroupsPage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    grid_ = newListGrid(this, QStringLiteral("SkupinyGrid"), QStringLiteral("Skupiny výstupů"),
                        {QStringLiteral("ID"), QStringLiteral("Výstupy")});
    layout->addWidget(grid_);
    auto* note = new QLabel(
        QStringLiteral("Při změně hlasitosti se mění hlasitost všech výstupů ve skupině"), this);
    note->setObjectName(QStringLiteral("Panel1"));
    note->setFrameShape(QFrame::StyledPanel);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    layout->addWidget(note);
}

void GroupsPage::showGroups(const std::vector<GroupListRow>& groups) {
    std::vector<QStringList> rows;
    rows.reserve(groups.size());
    for (const GroupListRow& group : groups)
        rows.push_back({QString::number(group.id), group.members});
    fillListGrid(grid_, rows);
}

} // namespace orfa::settings
