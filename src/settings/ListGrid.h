#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QTableWidget;
class QWidget;

namespace orfa::settings {

// A read-only list under a header row whose selection always covers a whole row, as the
// pages "Skupiny" and "Uživatelé" show their records. The selected row is always the
// current one (the one the keyboard goes on from), however it was chosen.
QTableWidget* newListGrid(QWidget* parent, const QString& objectName, const QString& accessibleName,
                          const QStringList& header);

// Replaces the grid's rows by rows (one text per column); with no rows the grid keeps one
// empty row, as the lists always have at least one.
void fillListGrid(QTableWidget* grid, const std::vector<QStringList>& rows);

} // namespace orfa::settings
