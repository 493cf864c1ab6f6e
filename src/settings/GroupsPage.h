#pragma once

#include "users/GroupListRow.h"

#include <QWidget>

#include <vector>

class QTableWidget;
class QToolButton;

namespace orfa::settings {

// The page "Skupiny": the list of output groups (grid `groupList` with the columns "ID" and
// "Výstupy"), its commands New, Edit and Delete on the tool buttons, and the note on what a
// group does. The page only reports the commands; the settings dialog carries them out.
class GroupsPage : public QWidget {
    Q_OBJECT
public:
    explicit GroupsPage(QWidget* parent = nullptr);

    // Fills the list; without groups it keeps one empty row. The selection stays on the
    // same row where there still is one.
    void showGroups(const std::vector<users::GroupListRow>& groups);

    // The ID of the selected group; 0 on the empty row of an empty list.
    int selectedId() const;

    QTableWidget* grid() const { return grid_; }
    QToolButton* newButton() const { return newButton_; }
    QToolButton* editButton() const { return editButton_; }
    QToolButton* deleteButton() const { return deleteButton_; }

Q_SIGNALS:
    void newRequested();
    void editRequested();
    void deleteRequested();

private:
    QTableWidget* grid_ = nullptr;
    QToolButton* newButton_ = nullptr;
    QToolButton* editButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
};

} // namespace orfa::settings
