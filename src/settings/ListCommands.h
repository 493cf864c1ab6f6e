#pragma once

#include <QString>

class QTableWidget;
class QToolButton;
class QWidget;

// The commands of the lists on the pages "Skupiny" and "Uživatelé".
namespace orfa::settings {

// A tool button of a list's tool bar: its text is the hint, which is also its tool tip and
// accessible name; it takes the keyboard focus with Tab like any button.
QToolButton* newCommandButton(QWidget* parent, const QString& objectName, const QString& hint);

// The ID in column 0 of the list's selected row, wherever the keyboard focus is; 0 when no
// row is selected, or when that cell is empty or holds no number, as the empty row of an
// empty list does.
int idInSelectedRow(const QTableWidget* grid);

// Selects row (kept within the list) after the list was refilled, so that the commands act
// on the same place as before.
void selectRow(QTableWidget* grid, int row);

} // namespace orfa::settings
