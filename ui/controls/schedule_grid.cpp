#include "schedule_grid.h"

#include "fixed_cell_header.h"
#include "fonts.h"
#include "schedule_grid_model.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>

namespace orvanta {

namespace {

const QColor gridColour(192, 192, 192);
const QColor emptyAreaColour(128, 128, 128);  // beside and below the last cells
constexpr int rowHeightTwips = 240;
constexpr int cellPadding = 8;

// Lines between ordinary cells in the grid colour instead of the style's.
class GridLineStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Table_GridLineColor) return static_cast<int>(gridColour.rgba());
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
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setTabKeyNavigation(false);  // Tab moves on to the next control
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // Every row is as high as every other, so the view never measures rows.
    const QFontMetrics metrics(font());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(pixelsFromTwips(rowHeightTwips));
    verticalHeader()->setFixedWidth(metrics.horizontalAdvance("Month") + cellPadding);
    horizontalHeader()->setFixedHeight(pixelsFromTwips(rowHeightTwips));
    horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance("$000,000.00") + cellPadding);

    // The fixed corner cell shows the heading of the fixed column.
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_ != nullptr) corner_->installEventFilter(this);

    // The empty area beside and below the cells is painted in paintEvent.
    viewport()->setAutoFillBackground(false);
    QPalette colours = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {  // selection shows without focus
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        QPalette headerColours = header->palette();
        headerColours.setColor(QPalette::Window, emptyAreaColour);
        header->setPalette(headerColours);
        header->setAutoFillBackground(true);
    }

    auto* copy = new QAction(tr("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ScheduleGrid::copySelection);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    showFixedCells();
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

QString ScheduleGrid::selectedText() const {
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) return {};
    int top = model_->rowCount(), bottom = -1, left = model_->columnCount(), right = -1;
    for (const QItemSelectionRange& range : selection) {
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
        left = std::min(left, range.left());
        right = std::max(right, range.right());
    }
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int col = left; col <= right; ++col) {
            const QModelIndex index = model_->index(row, col);
            cells << (selectionModel()->isSelected(index) ? index.data().toString() : QString());
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n');
}

void ScheduleGrid::copySelection() const { QApplication::clipboard()->setText(selectedText()); }

void ScheduleGrid::showEvent(QShowEvent* event) {
    model_->publishRows();
    QTableView::showEvent(event);
}

void ScheduleGrid::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        painter.fillRect(event->rect(), emptyAreaColour);
        const QRect cells(-horizontalOffset(), -verticalOffset(), horizontalHeader()->length(),
                          verticalHeader()->length());
        painter.fillRect(cells & event->rect(), palette().base());
    }
    QTableView::paintEvent(event);
}

void ScheduleGrid::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
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
