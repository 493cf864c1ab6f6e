#pragma once

#include "settings/GroupListRow.h"

#include <QWidget>

#include <vector>

class QTableWidget;

namespace orfa::settings {

// The page "Skupiny": the list of output groups (grid `SkupinyGrid` with the columns "ID" and
// "Výstupy") and the note on what a group does.
class GroupsPage : public QWidget {
    Q_OBJECT
public:
    explicit GroupsPage(QWidget* parent = nullptr);

    // Fills the list; without groups it keeps one empty row.
    void showGroups(const std::vector<GroupListRow>& groups);

    QTableWidget* grid() const { return grid_; }

private:
    QTableWidget* grid_ = nullptr;
};

} // namespace orfa::settings
