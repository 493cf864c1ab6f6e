#include "settings/ListCommands.h"

#include <QTableWidget>
#include <QToolButton>

#include <algorithm>

namespace orfa::settings {

QToolButton* newCommandButton(QWidget* parent, const QString& objectName, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(hint);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

int idInSelectedRow(const QTableWidget* grid) {
    const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return 0;
    const QTableWidgetItem* cell = grid->item(selected.first().row(), 0);
    if (!cell)
        return 0;
    bool ok = false;
    const int id = cell->text().trimmed().toInt(&ok);
    return ok ? id : 0;
}

void selectRow(QTableWidget* grid, int row) {
    grid->setCurrentCell(std::clamp(row, 0, grid->rowCount() - 1), 0);
}

} // namespace orfa::settings
