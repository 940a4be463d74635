#pragma once

#include <QTableView>

class QAbstractButton;

namespace orvanta {

class ScheduleGridModel;

// The amortization schedule grid: a read-only table of five columns whose
// first row (once FixedRows is 1) and first column are fixed heading cells
// that stay in place while the other cells scroll.
//
//   grid.AddItem("Month\tPayment\t...");   // appends a row, split at TAB
//   grid.setFixedRows(1);                  // row 0 becomes the fixed header
//
// Cells and ranges of ordinary cells can be selected freely; Ctrl+A selects
// them all; Ctrl+C and the context menu's "Copy" put the selection on the
// clipboard as TAB-separated lines, Ctrl+Shift+C and "Copy with headings" the
// same with the header row above and the month column before them. Each column
// is as wide as its widest text; the user cannot resize columns or rows.
class ScheduleGrid : public QTableView {
    Q_OBJECT

public:
    explicit ScheduleGrid(QWidget* parent = nullptr);

    void AddItem(const QString& item);
    int Rows() const;
    int Cols() const;
    int FixedRows() const;
    void setFixedRows(int rows);  // 0 or 1, and fewer than Rows
    int FixedCols() const;        // always 1: the month column

    // Text of any cell, fixed cells included, by grid row and column.
    QString cellText(int row, int col) const;

    // Makes the cell at grid row and column the current one, without scrolling the view to it.
    void setCurrentCell(int row, int col);

    // The selected ordinary cells, one line per row, cells separated by TAB;
    // with headings, the fixed row's texts come first and each line starts
    // with the row's fixed-column text.
    enum class Headings { Omitted, Included };
    QString selectedText(Headings headings = Headings::Omitted) const;
    void copySelection() const;
    void copySelectionWithHeadings() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFixedCells();
    void fitColumns();
    void colourHeadersEmptyArea();

    ScheduleGridModel* model_;
    QAbstractButton* corner_;
};

}  // namespace orvanta
