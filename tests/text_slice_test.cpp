#include "controls/text_slice.h"

#include "qt_print.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

const QString pair = QString::fromUcs4(U"\U0001F4B6");  // one character in two UTF-16 units

struct Bound {
    const char* name;
    QString text;
    int position;
    int start;  // where a slice may begin and end nearest to the position, outwards
    int end;
};

void PrintTo(const Bound& bound, std::ostream* out) { *out << bound.name; }

class SliceBounds : public ::testing::TestWithParam<Bound> {};

TEST_P(SliceBounds, KeepSurrogatePairsWhole) {
    const Bound& bound = GetParam();
    EXPECT_EQ(sliceStart(bound.text, bound.position), bound.start);
    EXPECT_EQ(sliceEnd(bound.text, bound.position), bound.end);
}

INSTANTIATE_TEST_SUITE_P(TextSlice, SliceBounds,
                         ::testing::Values(Bound{"InsideAPair", "a" + pair + "b", 2, 1, 3},
                                           Bound{"InsideTheFirstPair", pair + pair, 1, 0, 2},
                                           Bound{"BetweenPairs", pair + pair, 2, 2, 2},
                                           Bound{"AfterTheLastPair", "a" + pair, 3, 3, 3},
                                           Bound{"BeforeTheText", "12", -7, 0, 0}, Bound{"PastTheText", "12", 9, 2, 2}),
                         [](const ::testing::TestParamInfo<Bound>& info) { return info.param.name; });

}  // namespace
}  // namespace orvanta
