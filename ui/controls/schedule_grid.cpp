#include "controls/schedule_grid.h"

#include "controls/fixed_cell_header.h"
#include "controls/grid_colours.h"
#include "controls/schedule_grid_accessible.h"
#include "controls/schedule_grid_model.h"
#include "services/fonts.h"
#include "services/theme_colours.h"
#include "services/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>

#include <cmath>

namespace orvanta {

namespace {

constexpr int rowHeightTwips = 240;
constexpr int cellPadding = 8;

// Lines between ordinary cells in the grid's colour instead of the style's.
class GridLineStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Table_GridLineColor && (option != nullptr || widget != nullptr)) {
            const QPalette& palette = option != nullptr ? option->palette : widget->palette();
            return static_cast<int>(gridLineColour(palette).rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

ScheduleGrid::ScheduleGrid(QWidget* parent) : QTableView(parent), model_(new ScheduleGridModel(this)) {
    auto* style = new GridLineStyle;
    style->setParent(this);
    setStyle(style);
    setFont(designFont("MS Sans Serif", 8.25));

    setHorizontalHeader(new FixedCellHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellHeader(Qt::Vertical, this));
    setModel(model_);

    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);               // Tab moves on to the next control
    setHorizontalScrollMode(ScrollPerPixel);  // wide columns scroll fully into view

    // Every row is as high as every other, so the view never measures rows.
    const QFontMetrics metrics(font());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(pixelsFromTwips(rowHeightTwips));
    horizontalHeader()->setFixedHeight(pixelsFromTwips(rowHeightTwips));
    // Columns are never narrower than these, and wider where their texts need it.
    horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance("$000,000.00") + cellPadding);
    verticalHeader()->setFixedWidth(metrics.horizontalAdvance("Month") + cellPadding);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ScheduleGrid::fitColumns);
    connect(model_, &QAbstractItemModel::modelReset, this, &ScheduleGrid::fitColumns);

    // The fixed corner cell shows the heading of the fixed column.
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_ != nullptr) corner_->installEventFilter(this);

    // The empty area beside and below the cells is painted in paintEvent, and beside the
    // headers' cells by their background.
    viewport()->setAutoFillBackground(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) header->setAutoFillBackground(true);
    colourHeadersEmptyArea();

    auto* copy = new QAction(tr("Copy"), this);
    copy->setShortcuts(QKeySequence::Copy);  // every binding of the platform: Ctrl+C, Ctrl+Insert, the Copy key
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ScheduleGrid::copySelection);
    addAction(copy);
    auto* copyWithHeadings = new QAction(tr("Copy with headings"), this);
    copyWithHeadings->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyWithHeadings->setShortcutContext(Qt::WidgetShortcut);
    connect(copyWithHeadings, &QAction::triggered, this, &ScheduleGrid::copySelectionWithHeadings);
    addAction(copyWithHeadings);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    showFixedCells();
    registerScheduleGridAccessibility(*this);
}

void ScheduleGrid::AddItem(const QString& item) { model_->addItem(item); }
int ScheduleGrid::Rows() const { return model_->gridRows(); }
int ScheduleGrid::Cols() const { return model_->gridCols(); }
int ScheduleGrid::FixedRows() const { return model_->fixedRows(); }
int ScheduleGrid::FixedCols() const { return model_->fixedCols(); }
QString ScheduleGrid::cellText(int row, int col) const { return model_->cellText(row, col); }

void ScheduleGrid::setFixedRows(int rows) {
    model_->setFixedRows(rows);
    showFixedCells();
}

void ScheduleGrid::showFixedCells() { horizontalHeader()->setVisible(FixedRows() > 0); }

void ScheduleGrid::setCurrentCell(int row, int col) {
    // The view keeps its place: scrolled to a cell beyond the right edge, the first columns would
    // open half hidden beneath the month column.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    setCurrentIndex(model_->index(row - FixedRows(), col - FixedCols()));
    setAutoScroll(scrolls);
}

void ScheduleGrid::fitColumns() {
    const QFontMetricsF metrics(font());
    const auto fitted = [&](int col, int least) {
        qreal widest = 0;
        for (const QString& text : model_->widthCandidates(col))
            widest = std::max(widest, metrics.horizontalAdvance(text));
        return std::max(least, static_cast<int>(std::ceil(widest)) + cellPadding);
    };
    verticalHeader()->setFixedWidth(fitted(0, verticalHeader()->width()));
    for (int col = FixedCols(); col < Cols(); ++col) {
        const int section = col - FixedCols();
        horizontalHeader()->resizeSection(section, fitted(col, horizontalHeader()->sectionSize(section)));
    }
}

QString ScheduleGrid::selectedText(Headings headings) const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) return {};
    int top = model_->rowCount(), bottom = -1, left = model_->columnCount(), right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    // Grid rows and columns of the selection's bounds; the headings are grid row 0 and column 0.
    const int firstCol = left + FixedCols(), lastCol = right + FixedCols();
    const bool withHeadings = headings == Headings::Included;
    const auto line = [&](int row) {
        const bool headingRow = row < FixedRows();
        QStringList cells;
        if (withHeadings) cells << cellText(row, 0);
        for (int col = firstCol; col <= lastCol; ++col) {
            const QModelIndex index = model_->index(row - FixedRows(), col - FixedCols());
            cells << (headingRow || selectionModel()->isSelected(index) ? cellText(row, col) : QString());
        }
        return cells.join(u'\t');
    };
    QStringList lines;
    if (withHeadings && FixedRows() > 0) lines << line(0);
    for (int row = top + FixedRows(); row <= bottom + FixedRows(); ++row) lines << line(row);
    return lines.join(u'\n');
}

void ScheduleGrid::copySelection() const { QApplication::clipboard()->setText(selectedText()); }

void ScheduleGrid::copySelectionWithHeadings() const {
    QApplication::clipboard()->setText(selectedText(Headings::Included));
}

void ScheduleGrid::showEvent(QShowEvent* event) {
    model_->publishRows();
    QTableView::showEvent(event);
}

void ScheduleGrid::initViewItemOption(QStyleOptionViewItem* option) const {
    QTableView::initViewItemOption(option);
    // The selection shows without focus too, and its text stays readable on it.
    QPalette& colours = option->palette;
    const QColor text = colours.color(QPalette::Active, QPalette::HighlightedText);
    const QColor ground = readableGround(colours.color(QPalette::Active, QPalette::Highlight), text, 7);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, ground);
        colours.setColor(group, QPalette::HighlightedText, text);
    }
}

void ScheduleGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) colourHeadersEmptyArea();
}

void ScheduleGrid::colourHeadersEmptyArea() {
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        QPalette headerColours = header->palette();
        headerColours.setColor(QPalette::Window, gridEmptyAreaColour(palette()));
        header->setPalette(headerColours);
    }
}

void ScheduleGrid::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        painter.fillRect(event->rect(), gridEmptyAreaColour(palette()));
        const QRect cells(-horizontalOffset(), -verticalOffset(), horizontalHeader()->length(),
                          verticalHeader()->length());
        painter.fillRect(cells & event->rect(), palette().base());
    }
    QTableView::paintEvent(event);
}

bool ScheduleGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        const QString text = FixedRows() > 0 ? cellText(0, 0) : QString();
        paintFixedCell(painter, corner_->rect(), text, Qt::AlignLeft | Qt::AlignVCenter, palette());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace orvanta
