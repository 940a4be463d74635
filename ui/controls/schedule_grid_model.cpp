#include "controls/schedule_grid_model.h"

#include <QMetaObject>

#include <algorithm>

namespace orvanta {

namespace {

// Numbers and amounts stand to the right of their cells, words to the left.
bool readsAsNumber(const QString& text) {
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (c.isLetter() && c != u'E' && c != u'e')
            return false;
    }
    return digit;
}

// Length, first and last character, any digit counting as 0: texts alike in these have alike
// widths (see widthCandidates).
quint64 shapeOf(const QString& text) {
    const auto character = [](QChar c) -> quint64 { return c >= u'0' && c <= u'9' ? u'0' : c.unicode(); };
    return (static_cast<quint64>(text.size()) << 32) | (character(text.front()) << 16) | character(text.back());
}

}  // namespace

ScheduleGridModel::ScheduleGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ScheduleGridModel::addItem(const QString& item) {
    Row& row = cells_.emplace_back();
    int col = 0;
    qsizetype start = 0;
    while (col < gridColumns) {
        const qsizetype tab = item.indexOf(u'\t', start);
        row[col] = item.mid(start, tab < 0 ? -1 : tab - start);
        noteWidthCandidate(col, row[col]);
        ++col;
        if (tab < 0) break;
        start = tab + 1;
    }
    if (!publicationQueued_) {
        publicationQueued_ = true;
        QMetaObject::invokeMethod(this, &ScheduleGridModel::publishRows, Qt::QueuedConnection);
    }
}

// Called for every cell, so a text far shorter than the longest, or shaped as the column's previous
// candidate, costs one comparison.
void ScheduleGridModel::noteWidthCandidate(int col, const QString& text) {
    constexpr qsizetype slack = 2;
    const qsizetype length = text.size();
    if (length == 0 || length + slack < longestText_[col]) return;
    const quint64 shape = shapeOf(text);
    if (shape == lastShape_[col]) return;
    lastShape_[col] = shape;
    std::vector<QString>& kept = widthCandidates_[col];
    if (length > longestText_[col]) {
        longestText_[col] = length;
        std::erase_if(kept, [length](const QString& shorter) { return shorter.size() + slack < length; });
    }
    if (std::none_of(kept.begin(), kept.end(), [shape](const QString& other) { return shapeOf(other) == shape; }))
        kept.push_back(text);
}

void ScheduleGridModel::publishRows() {
    publicationQueued_ = false;
    const int known = publishedRows_;
    const int stored = gridRows();
    if (stored == known) return;
    // Views must still see the old count while the insertion is announced.
    beginInsertRows({}, known - fixedRows_, stored - fixedRows_ - 1);
    publishedRows_ = stored;
    endInsertRows();
}

void ScheduleGridModel::setFixedRows(int rows) {
    const bool allowed = rows >= 0 && rows <= 1 && rows < gridRows();
    Q_ASSERT_X(allowed, "ScheduleGridModel::setFixedRows", "0 or 1, with an ordinary row below");
    if (!allowed) return;
    beginResetModel();
    fixedRows_ = rows;
    publishedRows_ = gridRows();
    endResetModel();
}

QString ScheduleGridModel::cellText(int row, int col) const {
    const bool inside = row >= 0 && row < gridRows() && col >= 0 && col < gridColumns;
    Q_ASSERT_X(inside, "ScheduleGridModel::cellText", "no such cell");
    return inside ? cells_[row][col] : QString();
}

int ScheduleGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(publishedRows_ - fixedRows_, 0);
}

int ScheduleGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridColumns - fixedCols_;
}

QVariant ScheduleGridModel::cellData(int row, int col, int role) const {
    if (row < 0 || row >= gridRows() || col < 0 || col >= gridColumns) return {};
    const QString& text = cells_[row][col];
    switch (role) {
    case Qt::DisplayRole: return text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (readsAsNumber(text) ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
    }
}

// Indices and sections may come from outside the program (a screen reader's through the
// accessibility bridge), so anything outside what the views were told of reads as nothing.
bool ScheduleGridModel::holds(const QModelIndex& index) const { return index.isValid() && checkIndex(index); }

QVariant ScheduleGridModel::data(const QModelIndex& index, int role) const {
    if (!holds(index)) return {};
    return cellData(index.row() + fixedRows_, index.column() + fixedCols_, role);
}

QVariant ScheduleGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (fixedRows_ == 0 || section < 0 || section >= columnCount()) return {};
        return cellData(0, section + fixedCols_, role);
    }
    if (section < 0 || section >= rowCount()) return {};
    return cellData(section + fixedRows_, 0, role);
}

Qt::ItemFlags ScheduleGridModel::flags(const QModelIndex& index) const {
    return holds(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace orvanta
