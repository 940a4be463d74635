#include "program_fixture.h"

#include "calc/schedule.h"
#include "controls/schedule_grid.h"
#include "qt_print.h"
#include "services/twips.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace orvanta {
namespace {

// The result window filled directly; its ways to the other windows are tested with them. It runs
// inside the program, since unloading it brings the entry window back.
class ResultWindow : public ProgramTest {
protected:
    static frmOutput& window() { return result(); }
};

// Counts the paints the widgets get.
struct PaintCount : QObject {
    explicit PaintCount(std::initializer_list<QWidget*> widgets) {
        for (QWidget* widget : widgets) widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

TEST_F(ResultWindow, ACaptionWiderThanItsLabelKeepsWhatTheLabelCanShowAndTheLabelItsSize) {
    // Each character at least a pixel wide: a 65-pixel label shows no more than 65 of them.
    const QSize designed = window().lblTerms->size();
    const int shown = designed.width();
    window().setCaption(SummaryLabel::Terms, "30." + std::string(100000, '0') + "(360 months)");
    EXPECT_EQ(window().lblTerms->text(), "30." + QString(shown - 3, '0'));
    std::string accents;
    for (int i = 0; i < 100; ++i) accents += "\u00E9";  // two bytes each
    window().setCaption(SummaryLabel::Terms, accents);
    EXPECT_EQ(window().lblTerms->text(), QString(shown, QChar(0xE9)));
    window().Show();
    EXPECT_EQ(window().lblTerms->size(), designed);
    expectEveryControlWithin(window());
}

TEST_F(ResultWindow, TitleHasAGreyShadowBeneathIt) {
    frmOutput& w = window();
    QLabel* title = w.lblProductName[0];
    QLabel* shadow = w.lblProductName[1];
    EXPECT_EQ(shadow->font(), title->font());
    EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(shadow->pos() - title->pos(), QPoint(pixelsFromTwips(60), pixelsFromTwips(45)));
    EXPECT_EQ(title->size(), title->sizeHint());                           // the size follows the text
    EXPECT_LT(w.children().indexOf(shadow), w.children().indexOf(title));  // drawn beneath

    // Once shown, the two are painted again only when something changes, so an idle window costs nothing.
    w.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::qWait(50);
    const PaintCount paints({title, shadow});
    QTest::qWait(200);
    EXPECT_EQ(paints.count, 0);
}

// The opening balance is the current cell, yet the grid opens at its left edge, months and payments whole.
TEST_F(ResultWindow, OpensAtTheLeftEdgeWhenTheColumnsOutgrowTheGrid) {
    CalculateSchedule("1000000000", "6", "30", window());
    window().Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    const ScheduleGrid& grid = *window().FGrid;
    ASSERT_GT(grid.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(grid.currentIndex().data().toString(), "$1,000,000,000.00");
}

}  // namespace
}  // namespace orvanta
