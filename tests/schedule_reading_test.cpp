// How often the calculation reads each text. The reader is wrapped at link time (see
// CMakeLists.txt), so that the program itself carries no hook for counting.
#include <gtest/gtest.h>

#include "calc/schedule.h"
#include "recording_view.h"

#include <map>
#include <string>
#include <string_view>

namespace {

std::map<std::string, int> reads;

}  // namespace

extern "C" {
double __real__ZN7orvanta12textToDoubleESt17basic_string_viewIcSt11char_traitsIcEE(std::string_view text);

double __wrap__ZN7orvanta12textToDoubleESt17basic_string_viewIcSt11char_traitsIcEE(std::string_view text) {
    ++reads[std::string(text)];
    return __real__ZN7orvanta12textToDoubleESt17basic_string_viewIcSt11char_traitsIcEE(text);
}
}

namespace orvanta {
namespace {

// A balance text has at most 7 digits and no trailing zeros, so no entry reads as one. The rate is
// long, so that reading it again each month would show.
TEST(ScheduleReading, EachEntryOnceAndTheBalanceTextOnceAMonth) {
    const std::string amount = "100000.0", rate = "6." + std::string(1000, '0'), terms = "2730.58333333333";
    RecordingView view;
    CalculateSchedule(amount, rate, terms, view);
    ASSERT_EQ(view.items.size(), 32767u + 2);
    EXPECT_EQ(reads[amount], 1);
    EXPECT_EQ(reads[rate], 1);
    EXPECT_EQ(reads[terms], 1);
    int total = 0;
    for (const auto& [text, count] : reads) total += count;
    EXPECT_EQ(total, 3 + 32767);
}

}  // namespace
}  // namespace orvanta
