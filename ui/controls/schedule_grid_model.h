#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

namespace orvanta {

// The contents of the schedule grid: rows of five text cells, the first
// FixedRows rows and FixedCols columns being fixed (heading) cells.
//
// Views see the ordinary cells as items; the fixed row is offered as the
// horizontal header and the fixed column as the vertical header, which is what
// keeps them in place while the rest scrolls.
//
// Rows are appended in bulk: addItem only stores the row, and the view learns
// of all rows added since the last time in one insertion, when control is back
// in the event loop or when publishRows is called (the grid does so when shown).
class ScheduleGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int gridColumns = 5;

    explicit ScheduleGridModel(QObject* parent = nullptr);

    // Appends one row; item is split at TAB, field k going to column k.
    // Fields past the last column are dropped; missing ones stay empty.
    void addItem(const QString& item);

    int gridRows() const { return static_cast<int>(cells_.size()); }
    int gridCols() const { return gridColumns; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    // A header row is all a grid of Orvanta needs: 0 or 1, and at least one
    // ordinary row must remain. Anything else is a programming error: it asserts
    // in a debug build and changes nothing otherwise.
    void setFixedRows(int rows);

    // Cell text by grid position, fixed cells included. A position outside the
    // grid asserts in a debug build and reads as empty otherwise.
    QString cellText(int row, int col) const;

    // Tells views about rows stored since the last publication.
    void publishRows();

    // Texts of column col, fixed cells included, among which the widest one lies: those within
    // two characters of the longest text, one of each length and first and last character, any
    // digit counting as 0. Digits share one width in the fonts a grid uses, and a column's figures
    // differ in their first and last characters where they differ in form (signs, brackets,
    // currency symbols), so texts alike in those keep alike widths.
    const std::vector<QString>& widthCandidates(int col) const { return widthCandidates_[col]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    using Row = std::array<QString, gridColumns>;
    bool holds(const QModelIndex& index) const;
    QVariant cellData(int row, int col, int role) const;
    void noteWidthCandidate(int col, const QString& text);

    std::vector<Row> cells_;
    std::array<std::vector<QString>, gridColumns> widthCandidates_;
    std::array<qsizetype, gridColumns> longestText_{};
    std::array<quint64, gridColumns> lastShape_{};  // of the text last looked at in full
    int publishedRows_ = 0;                         // grid rows the views know of
    bool publicationQueued_ = false;
    int fixedRows_ = 0;
    const int fixedCols_ = 1;  // the month column
};

}  // namespace orvanta
