#include "settings/ScheduleGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

namespace orfa::settings {
namespace {

// What the grid's children have in common: a place in the grid, no object and
// no children of their own.
class GridPart : public QAccessibleInterface {
public:
    GridPart(QTableWidget* grid, int row, int column)
        : grid_(grid)
        , row_(row)
        , column_(column) {}

    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<QTableWidget> grid_;
    int row_;
    int column_;
};

// A column header (row -1), a row header (column -1) or the corner between them.
class GridHeader : public GridPart {
public:
    using GridPart::GridPart;

    bool isValid() const override {
        return grid_ && row_ < grid_->rowCount() && column_ < grid_->columnCount();
    }

    QAccessible::Role role() const override {
        if (row_ < 0 && column_ < 0)
            return QAccessible::Pane;
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name || (row_ < 0 && column_ < 0))
            return {};
        return row_ < 0 ? grid_->model()->headerData(column_, Qt::Horizontal).toString()
                        : grid_->model()->headerData(row_, Qt::Vertical).toString();
    }

    QRect rect() const override {
        QHeaderView* header = isValid() ? this->header() : nullptr;
        if (!header || header->isHidden())
            return {};
        const int section = row_ < 0 ? column_ : row_;
        const int position = header->sectionViewportPosition(section);
        const int size = header->sectionSize(section);
        if (header->orientation() == Qt::Horizontal)
            return {header->viewport()->mapToGlobal(QPoint(position, 0)),
                    QSize(size, header->height())};
        return {header->viewport()->mapToGlobal(QPoint(0, position)), QSize(header->width(), size)};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        QHeaderView* header = this->header();
        state.invisible = !header || header->isHidden() || !grid_->isVisible();
        state.disabled = !grid_->isEnabled();
        return state;
    }

private:
    QHeaderView* header() const {
        if (row_ < 0 && column_ < 0)
            return nullptr;
        return row_ < 0 ? grid_->horizontalHeader() : grid_->verticalHeader();
    }
};

// A cell: read as its accessible text and its own text, edited as text.
class GridCell : public GridPart,
                 public QAccessibleTableCellInterface,
                 public QAccessibleTextInterface,
                 public QAccessibleEditableTextInterface,
                 public QAccessibleActionInterface {
public:
    using GridPart::GridPart;

    bool isValid() const override { return item() != nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        const QTableWidgetItem* cell = item();
        if (!cell)
            return {};
        switch (t) {
        case QAccessible::Name: {
            const QString what = cell->data(Qt::AccessibleTextRole).toString();
            if (what.isEmpty() || cell->text().isEmpty())
                return what.isEmpty() ? cell->text() : what;
            return what + QStringLiteral(": ") + cell->text();
        }
        case QAccessible::Value:
            return cell->text();
        case QAccessible::Description:
            return cell->data(Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
        }
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            setValue(text);
    }

    QRect rect() const override {
        const QTableWidgetItem* cell = item();
        if (!cell)
            return {};
        const QRect area = grid_->visualItemRect(cell);
        return {grid_->viewport()->mapToGlobal(area.topLeft()), area.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const QTableWidgetItem* cell = item();
        if (!cell)
            return state;
        const Qt::ItemFlags flags = cell->flags();
        state.focusable = state.selectable = flags.testFlag(Qt::ItemIsSelectable);
        state.selected = cell->isSelected();
        state.focused = grid_->hasFocus() && grid_->currentItem() == cell;
        state.editable = flags.testFlag(Qt::ItemIsEditable);
        state.disabled = !grid_->isEnabled() || !flags.testFlag(Qt::ItemIsEnabled);
        state.invisible = !grid_->isVisible() ||
                          !grid_->viewport()->rect().intersects(grid_->visualItemRect(cell));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::TableCellInterface:
            return static_cast<QAccessibleTableCellInterface*>(this);
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface:
            return editable() ? static_cast<QAccessibleEditableTextInterface*>(this) : nullptr;
        case QAccessible::ActionInterface:
            return static_cast<QAccessibleActionInterface*>(this);
        default:
            return nullptr;
        }
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return item() && item()->isSelected(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* grid = parent();
        QAccessibleInterface* header = grid ? grid->child(column_ + 1) : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleTextInterface: the cell's text, without a cursor or selections of its own.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = text(QAccessible::Value);
        const auto [start, end] = clamped(startOffset, endOffset);
        return all.mid(start, end - start);
    }
    int characterCount() const override {
        return static_cast<int>(text(QAccessible::Value).size());
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {
        if (QTableWidgetItem* cell = item())
            grid_->scrollToItem(cell);
    }
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        const auto [start, end] = clamped(startOffset, endOffset);
        setValue(this->text(QAccessible::Value).replace(start, end - start, text));
    }

    // QAccessibleActionInterface: focus moves the grid's current cell here.
    QStringList actionNames() const override { return {setFocusAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName != setFocusAction() || !item())
            return;
        grid_->setFocus();
        grid_->setCurrentCell(row_, column_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QTableWidgetItem* item() const { return grid_ ? grid_->item(row_, column_) : nullptr; }

    bool editable() const {
        const QTableWidgetItem* cell = item();
        return cell && cell->flags().testFlag(Qt::ItemIsEditable);
    }

    void setValue(const QString& text) {
        if (editable())
            item()->setText(text);
    }

    // Offsets into the cell's text, put in order and inside it.
    std::pair<int, int> clamped(int startOffset, int endOffset) const {
        const int count = characterCount();
        const int start = std::clamp(std::min(startOffset, endOffset), 0, count);
        return {start, std::clamp(std::max(startOffset, endOffset), start, count)};
    }
};

// The children are numbered as Qt's table views number them in their focus
// and selection events: a header row and a header column first, shown or not,
// so child (r + 1) * (columns + 1) + c + 1 is the cell in row r, column c.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(QTableWidget* grid)
        : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override { forgetParts(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return (rowCount() + 1) * (columnCount() + 1); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto known = parts_.constFind(index); known != parts_.constEnd())
            return QAccessible::accessibleInterface(*known);
        const int row = index / (columnCount() + 1) - 1;
        const int column = index % (columnCount() + 1) - 1;
        QAccessibleInterface* part =
            row >= 0 && column >= 0
                ? static_cast<QAccessibleInterface*>(new GridCell(grid(), row, column))
                : new GridHeader(grid(), row, column);
        parts_.insert(index, QAccessible::registerAccessibleInterface(part));
        return part;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto part = parts_.constBegin(); part != parts_.constEnd(); ++part) {
            if (QAccessible::accessibleInterface(part.value()) == child)
                return part.key();
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = grid()->currentIndex();
        if (grid()->hasFocus() && current.isValid())
            return cellAt(current.row(), current.column());
        return QAccessibleWidget::focusChild();
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child((row + 1) * (columnCount() + 1) + column + 1);
    }
    int selectedCellCount() const override {
        return static_cast<int>(grid()->selectionModel()->selectedIndexes().size());
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& index : grid()->selectionModel()->selectedIndexes())
            cells << cellAt(index.row(), index.column());
        return cells;
    }
    QString columnDescription(int column) const override {
        return grid()->model()->headerData(column, Qt::Horizontal).toString();
    }
    QString rowDescription(int row) const override {
        return grid()->model()->headerData(row, Qt::Vertical).toString();
    }
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return grid()->columnCount(); }
    int rowCount() const override { return grid()->rowCount(); }
    QList<int> selectedColumns() const override {
        QList<int> columns;
        for (const QModelIndex& index : grid()->selectionModel()->selectedColumns())
            columns << index.column();
        return columns;
    }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QModelIndex& index : grid()->selectionModel()->selectedRows())
            rows << index.row();
        return rows;
    }
    bool isColumnSelected(int column) const override {
        return grid()->selectionModel()->isColumnSelected(column, QModelIndex());
    }
    bool isRowSelected(int row) const override {
        return grid()->selectionModel()->isRowSelected(row, QModelIndex());
    }
    bool selectRow(int row) override {
        grid()->selectRow(row);
        return isRowSelected(row);
    }
    bool selectColumn(int column) override {
        grid()->selectColumn(column);
        return isColumnSelected(column);
    }
    bool unselectRow(int row) override {
        select(grid()->model()->index(row, 0), grid()->model()->index(row, columnCount() - 1),
               QItemSelectionModel::Deselect);
        return !isRowSelected(row);
    }
    bool unselectColumn(int column) override {
        select(grid()->model()->index(0, column), grid()->model()->index(rowCount() - 1, column),
               QItemSelectionModel::Deselect);
        return !isColumnSelected(column);
    }

    // A changed text renames its cell; any other change renumbers the children.
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
            forgetParts();
            return;
        }
        for (int row = event->firstRow(); row <= event->lastRow(); ++row) {
            for (int column = event->firstColumn(); column <= event->lastColumn(); ++column) {
                const int index = (row + 1) * (columnCount() + 1) + column + 1;
                const auto known = parts_.constFind(index);
                QAccessibleInterface* cell =
                    known == parts_.constEnd() ? nullptr : QAccessible::accessibleInterface(*known);
                if (!cell)
                    continue;
                QAccessibleEvent renamed(cell, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
        }
    }

private:
    QTableWidget* grid() const { return static_cast<QTableWidget*>(widget()); }

    void select(const QModelIndex& first, const QModelIndex& last,
                QItemSelectionModel::SelectionFlags how) {
        grid()->selectionModel()->select(QItemSelection(first, last), how);
    }

    void forgetParts() {
        for (const QAccessible::Id id : std::as_const(parts_))
            QAccessible::deleteAccessibleInterface(id);
        parts_.clear();
    }

    mutable QHash<int, QAccessible::Id> parts_; // by child index
};

QAccessibleInterface* accessibleScheduleGrid(const QString& className, QObject* object) {
    auto* grid = qobject_cast<ScheduleGrid*>(object);
    if (grid && className == QLatin1String(ScheduleGrid::staticMetaObject.className()))
        return new GridAccessible(grid);
    return nullptr;
}

// The editor opened on a cell is named as the cell is.
class NamedEditorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor)
            editor->setAccessibleName(index.data(Qt::AccessibleTextRole).toString());
        return editor;
    }
};

} // namespace

ScheduleGrid::ScheduleGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleScheduleGrid);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setItemDelegate(new NamedEditorDelegate(this));
}

} // namespace orfa::settings
