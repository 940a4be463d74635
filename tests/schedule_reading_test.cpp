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

struct Loan {
    std::string amount, rate, terms;
    std::size_t months;
};

// Trailing zeros after the point keep the entries apart from every balance text, which has none.
TEST(ScheduleReading, EachEntryOnceAndTheBalanceTextOnceAMonth) {
    const std::string longRate = "6." + std::string(1000, '0');
    for (const Loan& loan : {Loan{"100000.0", "6.0", "30.0", 360},
                             Loan{"100000.0", longRate, "2730.58333333333", 32767}, Loan{"1200.0", "0.0", "1.0", 12}}) {
        reads.clear();
        RecordingView view;
        CalculateSchedule(loan.amount, loan.rate, loan.terms, view);
        ASSERT_EQ(view.items.size(), loan.months + 2);
        EXPECT_EQ(reads[loan.amount], 1);
        EXPECT_EQ(reads[loan.rate], 1);
        EXPECT_EQ(reads[loan.terms], 1);
        int total = 0;
        for (const auto& [text, count] : reads) total += count;
        EXPECT_EQ(total, 3 + static_cast<int>(loan.months));
    }
}

}  // namespace
}  // namespace orvanta
