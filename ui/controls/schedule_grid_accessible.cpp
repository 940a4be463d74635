#include "controls/schedule_grid_accessible.h"

#include "controls/schedule_grid.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>

namespace orvanta {

namespace {

// Screen readers meet the schedule as a table of five columns: the month column, headed "Month",
// is the first of them. Orca leaves out row headers when it reads a whole row, which it does on
// Up and Down, so month numbers that were only row headers were never heard. Each month cell is
// also its row's header, so a screen reader that speaks a cell with its headers says the month.
//
// Rows and columns are the table's: row 0 is the opening row (the heading row is -1) and column 0
// the month. A cell's child index is Qt's for a table view with both headers, (row + 1) * columns +
// column, so the view's own focus and selection events point at these cells.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(ScheduleGrid* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isValid() const override { return grid_ != nullptr && row_ < grid_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name) return {};
        const QString shown = grid_->cellText(row_ + grid_->FixedRows(), column_);
        // "Month 1" rather than a bare "1", which a whole row read aloud would leave unexplained.
        return row_ >= 0 && column_ == 0 ? grid_->cellText(0, 0) + ' ' + shown : shown;
    }

    QAccessible::Role role() const override { return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QRect rect() const override { return globalArea().intersected(shownArea()); }

    QAccessible::State state() const override {
        QAccessible::State state;
        const QRect area = globalArea();
        state.invisible = !area.intersects(shownArea());
        state.offscreen = state.invisible;
        if (row_ < 0 || column_ == 0) return state;
        const QModelIndex index = modelIndex();
        state.selectable = true;
        state.focusable = true;
        state.selected = grid_->selectionModel()->isSelected(index);
        state.focused = grid_->hasFocus() && grid_->currentIndex() == index;
        return state;
    }

    // Table cell
    bool isSelected() const override {
        return row_ >= 0 && column_ > 0 && grid_->selectionModel()->isSelected(modelIndex());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QModelIndex modelIndex() const { return grid_->model()->index(row_, column_ - 1); }

    // Where the cell lies on the screen, and the part of the grid that shows cells of its kind.
    QRect globalArea() const {
        QHeaderView* months = grid_->verticalHeader();
        QHeaderView* headings = grid_->horizontalHeader();
        QRect area;
        QWidget* in = grid_->viewport();
        if (row_ < 0 && column_ == 0) {
            area = QRect(months->mapTo(grid_, QPoint(0, 0)).x(), headings->mapTo(grid_, QPoint(0, 0)).y(),
                         months->width(), headings->height());
            in = grid_;
        } else if (row_ < 0) {
            area = QRect(headings->sectionViewportPosition(column_ - 1), 0, headings->sectionSize(column_ - 1),
                         headings->height());
            in = headings;
        } else if (column_ == 0) {
            area = QRect(0, months->sectionViewportPosition(row_), months->width(), months->sectionSize(row_));
            in = months;
        } else {
            area = grid_->visualRect(modelIndex());
        }
        return area.translated(in->mapToGlobal(QPoint(0, 0)));
    }
    QRect shownArea() const {
        QWidget* shown = row_ < 0       ? static_cast<QWidget*>(grid_)
                         : column_ == 0 ? grid_->verticalHeader()
                                        : grid_->viewport();
        return QRect(shown->mapToGlobal(QPoint(0, 0)), shown->size());
    }

    QPointer<ScheduleGrid> grid_;
    int row_;
    int column_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(ScheduleGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override {
        for (const QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return cell(index / columnCount() - 1, index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* table =
            child != nullptr && child->parent() == this ? const_cast<QAccessibleInterface*>(child)->tableCellInterface()
                                                        : nullptr;
        return table != nullptr ? (table->rowIndex() + 1) * columnCount() + table->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint inViewport = grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = grid()->indexAt(inViewport);
        return index.isValid() ? cell(index.row(), index.column() + 1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = grid()->currentIndex();
        return grid()->hasFocus() && current.isValid() ? cell(current.row(), current.column() + 1) : nullptr;
    }

    // Table
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < rowCount() && column >= 0 && column < columnCount() ? cell(row, column) : nullptr;
    }
    int rowCount() const override { return grid()->model()->rowCount(); }
    int columnCount() const override { return grid()->model()->columnCount() + 1; }
    QString rowDescription(int row) const override { return grid()->model()->headerData(row, Qt::Vertical).toString(); }
    QString columnDescription(int column) const override {
        if (column == 0) return grid()->FixedRows() > 0 ? grid()->cellText(0, 0) : QString();
        return grid()->model()->headerData(column - 1, Qt::Horizontal).toString();
    }
    int selectedCellCount() const override { return static_cast<int>(selected().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& index : selected()) cells << cell(index.row(), index.column() + 1);
        return cells;
    }
    // Cells are selected, never whole rows or columns.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}  // cells are found by row and column

    QAccessibleInterface* cell(int row, int column) const {
        const int index = (row + 1) * columnCount() + column;
        if (const auto found = cells_.constFind(index); found != cells_.cend())
            return QAccessible::accessibleInterface(*found);
        auto* made = new CellAccessible(grid(), row, column);
        cells_.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    ScheduleGrid* grid() const { return static_cast<ScheduleGrid*>(widget()); }
    QModelIndexList selected() const { return grid()->selectionModel()->selectedIndexes(); }

    mutable QHash<int, QAccessible::Id> cells_;
};

QList<QAccessibleInterface*> CellAccessible::columnHeaderCells() const {
    if (row_ < 0 || grid_->FixedRows() == 0) return {};
    return {static_cast<GridAccessible*>(parent())->cell(-1, column_)};
}

QList<QAccessibleInterface*> CellAccessible::rowHeaderCells() const {
    if (row_ < 0) return {};
    return {static_cast<GridAccessible*>(parent())->cell(row_, 0)};
}

QAccessibleInterface* gridAccessible(const QString& className, QObject* object) {
    auto* grid = qobject_cast<ScheduleGrid*>(object);
    return grid != nullptr && className == ScheduleGrid::staticMetaObject.className() ? new GridAccessible(grid)
                                                                                      : nullptr;
}

}  // namespace

void registerScheduleGridAccessibility(ScheduleGrid& grid) {
    QAccessible::installFactory(gridAccessible);  // Qt keeps a factory once, however often installed
    // Qt may have made the grid's accessible as a plain table view while building it.
    if (QAccessibleInterface* early = QAccessible::queryAccessibleInterface(&grid))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

}  // namespace orvanta
