#include "controls/line_view.h"

#include "qt_print.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta {
namespace {

constexpr int width = 100;  // of the shown line, in pixels
constexpr int inSight = 104;

// Where the cursor ends up on the shown line.
enum class Place {
    Unscrolled,          // where the text laid out alone from the line's left end has it
    LeftEdge,            // at the line's left end
    RightEdge,           // at its right end
    Unmoved,             // the view stays as it was before the last move
    TextAtTheRightEdge,  // the text ends at the line's right end, as right-to-left text that fits does
};

struct Placing {
    const char* name;
    QString text;
    std::vector<int> cursors;  // moved through in turn, as thousandths of the text's length
    Place place;
};

void PrintTo(const Placing& placing, std::ostream* out) { *out << placing.name; }

class Views : public ::testing::TestWithParam<Placing> {};

TEST_P(Views, PlaceTheCursorAsALineEditDoes) {
    const Placing& placing = GetParam();
    const QString text = placing.text;
    const int length = static_cast<int>(text.size());
    LineView view(text);
    view.setFont(QFont());
    view.edited(0, 0, length);
    int from = 0;
    qreal leftBefore = 0;
    for (int share : placing.cursors) {
        const int cursor = static_cast<int>(static_cast<qint64>(length) * share / 1000);
        leftBefore = view.left();
        view.follow(cursor, from, width, inSight);
        from = cursor;
    }
    ASSERT_TRUE(view.x(from).has_value());
    const qreal x = *view.x(from);
    switch (placing.place) {
    case Place::Unscrolled: EXPECT_NEAR(x, TextSlice(text, 0, length, QFont(), false).x(from), 1); break;
    case Place::LeftEdge: EXPECT_NEAR(x, 0, 1); break;
    case Place::RightEdge: EXPECT_NEAR(x, width - 1, 1); break;
    case Place::Unmoved: EXPECT_EQ(view.left(), leftBefore); break;
    case Place::TextAtTheRightEdge: EXPECT_NEAR(*view.x(0), width - 1, 2); break;
    }
    EXPECT_GT(x, -1);
    EXPECT_LT(x, width);
    EXPECT_LE(view.slice().end() - view.slice().start(), 1000);  // laid out only around the cursor
}

const QString digits = QString("1234567890").repeated(20);
const QString hebrew = QString("\u05E9\u05DC\u05D5\u05DD ").repeated(40);
const QString megabyte = QString("1234567890").repeated(100'000);

INSTANTIATE_TEST_SUITE_P(
    LineView, Views,
    ::testing::Values(
        Placing{"ShortTextStaysUnscrolled", "12.5", {1000}, Place::Unscrolled},
        Placing{"ShortRightToLeftTextKeepsToTheRight", "\u05E9\u05DC\u05D5\u05DD", {0}, Place::TextAtTheRightEdge},
        Placing{"CursorPastTheRightEdgeStaysAtIt", digits, {0, 1000}, Place::RightEdge},
        Placing{"CursorBackPastTheLeftEdgeStaysAtIt", digits, {1000, 500}, Place::LeftEdge},
        Placing{"CursorWithinSightLeavesTheView", digits, {1000, 990}, Place::Unmoved},
        Placing{"RightToLeftCursorPastTheLeftEdgeStaysAtIt", hebrew, {0, 1000}, Place::LeftEdge},
        Placing{"RightToLeftCursorBackPastTheRightEdgeStaysAtIt", hebrew, {1000, 0}, Place::RightEdge},
        Placing{"AMegabyteShowsItsEndAtTheRightEdge", megabyte, {0, 1000}, Place::RightEdge},
        Placing{"AMegabyteBackAtItsStartIsUnscrolled", megabyte, {1000, 0}, Place::Unscrolled},
        Placing{"AJumpOnFarIntoAMegabyteComesInAtTheRightEdge", megabyte, {0, 500}, Place::RightEdge},
        Placing{"AJumpBackFarIntoAMegabyteComesInAtTheLeftEdge", megabyte, {1000, 500}, Place::LeftEdge}),
    [](const ::testing::TestParamInfo<Placing>& info) { return info.param.name; });

}  // namespace
}  // namespace orvanta
