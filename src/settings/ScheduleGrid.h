#pragma once

#include <QTableWidget>

namespace orfa::settings {

// The grid of the page "Plánovač" as assistive technology sees it. Qt's item
// views expose a cell by a fixed name and without its text as editable text;
// here a cell is read as what it is and what it holds ("Zapnuto od – Pondělí:
// 7:05", from its Qt::AccessibleTextRole data and its text), its text is its
// value, and a screen reader can change it as it changes a text field. The cell
// editor opened from the keyboard carries the cell's name too.
class ScheduleGrid : public QTableWidget {
    Q_OBJECT
public:
    ScheduleGrid(int rows, int columns, QWidget* parent = nullptr);
};

} // namespace orfa::settings
