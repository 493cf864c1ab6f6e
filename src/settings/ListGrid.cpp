#include "settings/ListGrid.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace orfa::settings {
namespace {

// The commands act on the selected row and the keyboard goes on from the current one; they
// must be the same row however it was chosen. A click or a key moves both, but an
// accessibility client, or anything else that works on the selection model, can select a
// row without making it current, or make a row current without selecting it.
void keepSelectionAndCurrentTogether(QTableWidget* grid) {
    QItemSelectionModel* selection = grid->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, grid, [grid, selection] {
        const QModelIndexList selected = selection->selectedIndexes();
        if (!selected.isEmpty() && selected.first().row() != grid->currentRow())
            selection->setCurrentIndex(selected.first(), QItemSelectionModel::NoUpdate);
    });
    QObject::connect(selection, &QItemSelectionModel::currentRowChanged, grid,
                     [selection](const QModelIndex& current) {
                         if (current.isValid() && !selection->isRowSelected(current.row()))
                             selection->select(current, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
                     });
}

} // namespace

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
    keepSelectionAndCurrentTogether(grid);
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
