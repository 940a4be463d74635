#include "controls/schedule_grid.h"

#include "programming_error.h"
#include "qt_print.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <functional>
#include <tuple>
#include <vector>

namespace orvanta {
namespace {

QStringList rowOf(const ScheduleGrid& grid, int row) {
    QStringList cells;
    for (int col = 0; col < grid.Cols(); ++col) cells << grid.cellText(row, col);
    return cells;
}

// The grid as the result window fills it: header, opening row, months.
void fillSchedule(ScheduleGrid& grid, int months) {
    grid.AddItem("Month\tPayment\tInterest\tPrinciple\tBalance\t");
    grid.AddItem("0\t\t\t\t$1,000.00\t");
    grid.setFixedRows(1);
    for (int month = 1; month <= months; ++month) {
        grid.AddItem(QString("%1\t$10.00\t% %1.00\t$9.00\t$%2.00").arg(month).arg(1000 - month));
    }
}

// Fields go into the columns from the left; missing ones are empty, those past the last are dropped.
TEST(ScheduleGridItems, AddItemSplitsAtTabIntoTheFiveColumns) {
    ScheduleGrid grid;
    const std::vector<std::pair<QString, QStringList>> items = {
        {"Month\tPayment\tInterest\tPrinciple\tBalance\t", {"Month", "Payment", "Interest", "Principle", "Balance"}},
        {"0\t\t\t\t$100,000.00\t", {"0", "", "", "", "$100,000.00"}},
        {"a\tb", {"a", "b", "", "", ""}},
        {"", {"", "", "", "", ""}},
        {"1\t2\t3\t4\t5\t6\t7", {"1", "2", "3", "4", "5"}},
    };
    for (const auto& [item, cells] : items) grid.AddItem(item);
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.Cols(), 5);
    EXPECT_EQ(grid.model()->columnCount() + grid.FixedCols(), 5);
    for (int row = 0; row < grid.Rows(); ++row) EXPECT_EQ(rowOf(grid, row), items[row].second) << row;
    EXPECT_REFUSED(EXPECT_EQ(grid.cellText(0, 5), ""));
}

TEST(ScheduleGridFixedCells, FixedRowSetAfterTwoRowsBecomesTheHeader) {
    ScheduleGrid grid;
    fillSchedule(grid, 3);
    grid.show();  // views learn of the rows
    const QAbstractItemModel& model = *grid.model();

    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(model.rowCount(), grid.Rows() - 1);
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_TRUE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Payment");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "Balance");
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), "0");
    EXPECT_EQ(model.headerData(3, Qt::Vertical).toString(), "3");
    EXPECT_EQ(model.index(0, 3).data().toString(), "$1,000.00");
    EXPECT_EQ(model.index(1, 0).data().toString(), "$10.00");
}

TEST(ScheduleGridFixedCells, WithoutFixedRowsTheFirstRowIsOrdinary) {
    ScheduleGrid grid;
    grid.AddItem("Month\tPayment\tInterest\tPrinciple\tBalance\t");
    grid.show();
    EXPECT_FALSE(grid.horizontalHeader()->isVisibleTo(&grid));
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), "Payment");
}

TEST(ScheduleGridFixedCells, AFixedRowNeedsAnOrdinaryRowBelowIt) {
    ScheduleGrid grid;
    grid.AddItem("Month\tPayment");
    EXPECT_REFUSED(grid.setFixedRows(1));
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.AddItem("0");
    EXPECT_REFUSED(grid.setFixedRows(2));
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.setFixedRows(1);
    EXPECT_EQ(grid.FixedRows(), 1);
}

// The tester aborts the run at the first broken promise of the model to its views.
TEST(ScheduleGridModelContract, HoldsThroughFillingFixedRowsAndASecondFill) {
    ScheduleGrid grid;
    QAbstractItemModelTester tester(grid.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.AddItem("Month\tPayment\tInterest\tPrinciple\tBalance\t");
    grid.AddItem("0\t\t\t\t$1,000.00\t");
    QCoreApplication::processEvents();  // views learn of both rows before one becomes fixed
    grid.setFixedRows(1);
    for (const int month : {1, 2, 3}) grid.AddItem(QString("%1\t$10.00").arg(month));
    QCoreApplication::processEvents();
    for (const int month : {4, 5}) grid.AddItem(QString("%1\t$10.00").arg(month));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.model()->rowCount(), 6);
    EXPECT_EQ(grid.model()->headerData(5, Qt::Vertical).toString(), "5");
}

// Rows stored but not yet published, and sections past either end, are not the views' to read.
TEST(ScheduleGridModelContract, SectionsOutsideWhatViewsKnowReadAsNothing) {
    ScheduleGrid grid;
    fillSchedule(grid, 2);
    grid.show();
    grid.AddItem("3\t$10.00");  // stored, published only once the event loop runs
    const QAbstractItemModel& model = *grid.model();
    ASSERT_EQ(model.rowCount(), 3);
    for (const int row : {-1, 3, 103}) EXPECT_FALSE(model.headerData(row, Qt::Vertical).isValid()) << row;
    for (const int col : {-1, 4, 104}) EXPECT_FALSE(model.headerData(col, Qt::Horizontal).isValid()) << col;
}

class ShownGrid : public testing::Test {
protected:
    void SetUp() override {
        grid.resize(345, 193);
        fillSchedule(grid, 360);
        grid.show();
        // Keys reach only an active window; X11 without a window manager activates none by itself.
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
    }

    ScheduleGrid grid;
};

TEST_F(ShownGrid, CellsAreReadOnly) {
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClicks(&grid, "99");
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(1, 0)).center());
    EXPECT_TRUE(grid.findChildren<QLineEdit*>().isEmpty());  // no editor opened
    EXPECT_EQ(grid.cellText(2, 1), "$10.00");
}

// Keys and context menu copy the selected range as tab-separated lines, the headings above and before it or not.
TEST_F(ShownGrid, EachWayToCopyPutsTheSelectionOnTheClipboard) {
    const QString plain = "% 1.00\t$9.00\t$999.00\n% 2.00\t$9.00\t$998.00";
    const QString headed = "Month\tInterest\tPrinciple\tBalance\n1\t% 1.00\t$9.00\t$999.00\n2\t% 2.00\t$9.00\t$998.00";
    const auto menuEntry = [this](const QString& text) {
        for (QAction* action : grid.actions()) {
            if (action->text() == text) action->trigger();
        }
    };
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> ways = {
        {"Ctrl+C", [this] { QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier); }, plain},
        {"Ctrl+Insert", [this] { QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier); }, plain},
        {"Ctrl+Shift+C", [this] { QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); },
         headed},
        {"menu Copy", [&] { menuEntry("Copy"); }, plain},
        {"menu Copy with headings", [&] { menuEntry("Copy with headings"); }, headed},
    };
    EXPECT_EQ(grid.contextMenuPolicy(), Qt::ActionsContextMenu);
    grid.selectionModel()->select(QItemSelection(grid.model()->index(1, 1), grid.model()->index(2, 3)),
                                  QItemSelectionModel::ClearAndSelect);
    for (const auto& [name, copy, copied] : ways) {
        SCOPED_TRACE(name);
        QApplication::clipboard()->clear();
        copy();
        EXPECT_EQ(QApplication::clipboard()->text(), copied);
    }
}

TEST_F(ShownGrid, ColoursOfCellsLinesFixedCellsAndEmptyArea) {
    const QImage image = grid.grab().toImage();
    const auto colourAt = [&](QPoint inGrid) { return QColor(image.pixel(inGrid)); };
    const QPoint viewport = grid.viewport()->geometry().topLeft();

    const QRect cell = grid.visualRect(grid.model()->index(0, 1));  // an empty ordinary cell
    EXPECT_EQ(colourAt(viewport + cell.center()), grid.palette().color(QPalette::Base));
    EXPECT_EQ(colourAt(viewport + QPoint(cell.right() + 1, cell.center().y())), QColor(192, 192, 192));

    const QPoint besideLastColumn(grid.horizontalHeader()->length() + 2, 5);
    ASSERT_LT(besideLastColumn.x(), grid.viewport()->width());
    EXPECT_EQ(colourAt(viewport + besideLastColumn), QColor(128, 128, 128));

    const QRect header = grid.horizontalHeader()->geometry();
    EXPECT_EQ(colourAt(header.topLeft() + QPoint(header.width() / 2 + 20, header.height() / 2 + 4)),
              grid.palette().color(QPalette::Button));

    // The month column's black row lines continue the ordinary cells' grey ones.
    const int lineBelowFirstRow = viewport.y() + cell.bottom() + 1;
    EXPECT_EQ(colourAt({viewport.x() + cell.left() + 2, lineBelowFirstRow}), QColor(192, 192, 192));
    EXPECT_EQ(colourAt({grid.verticalHeader()->geometry().center().x(), lineBelowFirstRow}), QColor(0, 0, 0));
}

// The room a cell leaves its text: Qt's item views keep a margin of the focus frame's and one pixel
// on either side, and an ordinary cell gives up one pixel to its grid line.
int textRoom(const ScheduleGrid& grid, int width) {
    return width - 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1) - 1;
}

// Every text of every column fits its column without being cut off, whatever the numbers' form.
TEST(ScheduleGridColumns, EveryColumnIsAsWideAsItsWidestText) {
    const std::vector<std::pair<const char*, QString>> cases = {
        {"billions", "32767\t$5,995,505,399.99\t% 499999999.00\t$1,000,000,000.00\t$999,999,999,999.00"},
        {"negative loan", "12\t($599.55)\t% -500.00\t($99.55)\t($99,900.45)"},
        {"exponent form", "7\t$1.00\t% 0.00\t$1.00\t1.525879E-05"},
        {"German money", "12\t599,55 €\t% 500,00\t99,55 €\t99.900,45 €"},
    };
    for (const auto& [name, longest] : cases) {
        SCOPED_TRACE(name);
        ScheduleGrid grid;
        grid.resize(345, 193);
        fillSchedule(grid, 40);
        grid.AddItem(longest);
        grid.AddItem("41\t$10.00\t% 1.00\t$9.00\t$9.00");  // shorter texts after the longest
        grid.show();

        const QFontMetricsF metrics(grid.font());
        for (int col = 0; col < grid.Cols(); ++col) {
            const int width = col == 0 ? grid.verticalHeader()->width() : grid.columnWidth(col - 1);
            for (int row = 0; row < grid.Rows(); ++row) {
                const QString text = grid.cellText(row, col);
                EXPECT_LE(metrics.horizontalAdvance(text), textRoom(grid, width)) << text.toStdString();
            }
        }
    }
}

TEST(ScheduleGridColumns, TheHorizontalScrollBarAppearsOnlyWhenColumnsOutgrowTheGrid) {
    for (const bool billions : {false, true}) {
        SCOPED_TRACE(billions ? "billions" : "the worked example");
        ScheduleGrid grid;
        grid.resize(345, 193);
        fillSchedule(grid, 40);
        if (billions) grid.AddItem("41\t$5,995,505,399.99\t% 499999999.00\t$1,000,000,000.00\t$999,999,999,999.00");
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        EXPECT_EQ(grid.horizontalScrollBar()->isVisible(), billions);
    }
}

}  // namespace
}  // namespace orvanta
