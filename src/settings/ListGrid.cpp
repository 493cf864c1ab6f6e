#include "settings/ListGrid.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace orfa::settings {

QTableWidget* newListGrid(QWidget* parent, const QString& objectName, const QString& accessibleName,
                          const QStringList& header) {
    auto* grid = new QTableWidget(1, static_cast<int>(header.size()), parent);
    grid->setObjectName(objectName);
    grid->setAccessibleName(accessibleName);
    grid->setHorizontalHeaderLabels(header);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    return grid;
}

void fillListGrid(QTableWidget* grid, const std::vector<QStringList>& rows) {
    grid->clearContents();
    grid->setRowCount(std::max(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList& texts = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < std::min(grid->columnCount(), static_cast<int>(texts.size())); ++c)
            grid->setItem(r, c, new QTableWidgetItem(texts.at(c)));
    }
}

} // namespace orfa::settings
