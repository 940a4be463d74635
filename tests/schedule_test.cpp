#include <gtest/gtest.h>

#include "recording_view.h"
#include "regional_settings.h"
#include "regional_settings_guard.h"
#include "run_time_error.h"
#include "schedule.h"

namespace orvanta {
namespace {

RecordingView Schedule(const std::string& amount, const std::string& rate, const std::string& terms) {
    RecordingView view;
    CalculateSchedule(amount, rate, terms, view);
    return view;
}

std::string Month(const RecordingView& view, int month) { return view.items.at(month + 1); }

TEST(WorkedExample, SummaryCaptions) {
    const RecordingView view = Schedule("100000", "6", "30");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "$100,000.00");
    EXPECT_EQ(view.captions.at(SummaryLabel::Rate), "% 6.00");
    EXPECT_EQ(view.captions.at(SummaryLabel::Terms), "30(360 months)");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "$599.55/mo");
}

TEST(WorkedExample, HeaderOpeningRowAndFixedRow) {
    const RecordingView view = Schedule("100000", "6", "30");
    ASSERT_EQ(view.items.size(), 362u);
    EXPECT_EQ(view.items[0], "Month\tPayment\tInterest\tPrinciple\tBalance\t");
    EXPECT_EQ(view.items[1], "0\t\t\t\t$100,000.00\t");
    EXPECT_EQ(view.fixedRows, 1);
    EXPECT_EQ(view.itemsWhenFixed, 2u);
}

TEST(WorkedExample, FirstMonthsCarryTheBalanceThroughItsText) {
    const RecordingView view = Schedule("100000", "6", "30");
    EXPECT_EQ(Month(view, 1), "1\t$599.55\t% 500.00\t$99.55\t$99,900.45");
    // Month 2's interest is 99900.45 (the balance text, not the float) at 0.5 %.
    EXPECT_EQ(Month(view, 2), "2\t$599.55\t% 499.50\t$100.05\t$99,800.41");
    EXPECT_EQ(Month(view, 3), "3\t$599.55\t% 499.00\t$100.55\t$99,699.86");
    EXPECT_EQ(Month(view, 360).substr(0, 4), "360\t");
}

TEST(WorkedExample, ExactBinaryTiesRoundAwayFromZero) {
    const RecordingView view = Schedule("100000", "6", "30");
    EXPECT_EQ(Month(view, 61).substr(Month(view, 61).rfind('\t') + 1), "$92,920.13");  // 92920.125
    EXPECT_EQ(Month(view, 90).substr(Month(view, 90).rfind('\t') + 1), "$88,719.88");  // 88719.875
}

TEST(ScheduleLength, MonthCountRoundsHalfToEven) {
    EXPECT_EQ(Schedule("1000", "5", "0.04").items.size(), 2u);  // 0.48 months
    EXPECT_EQ(Schedule("1000", "5", "2.5").items.size(), 32u);
    EXPECT_EQ(Schedule("1000", "5", "0.125").items.size(), 4u);  // 1.5 months: 2
    EXPECT_EQ(Schedule("1000", "5", "0.375").items.size(), 6u);  // 4.5 months: 4
    EXPECT_EQ(Schedule("1000", "5", "2.5").captions.at(SummaryLabel::Terms), "2.5(30 months)");
}

TEST(ScheduleLength, LongestScheduleCompletesAndOneMoreMonthOverflows) {
    // 32767 months: 2730.5833... years.
    const RecordingView longest = Schedule("100000", "6", "2730.58333333333");
    ASSERT_EQ(longest.items.size(), 32769u);
    EXPECT_EQ(longest.items.back().substr(0, 6), "32767\t");
    try {
        Schedule("100000", "6", "2731");
        FAIL() << "expected an overflow";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

TEST(UnusualLoans, ZeroRateSplitsTheAmountEvenly) {
    const RecordingView view = Schedule("1200", "0", "1");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "$100.00/mo");
    EXPECT_EQ(Month(view, 1), "1\t$100.00\t% 0.00\t$100.00\t$1,100.00");
    EXPECT_EQ(Month(view, 12), "12\t$100.00\t% 0.00\t$100.00\t$0.00");
}

TEST(UnusualLoans, NegativeAmountGivesNegativePayment) {
    const RecordingView view = Schedule("-100000", "6", "30");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "($100,000.00)");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "($599.55)/mo");
    EXPECT_EQ(Month(view, 1), "1\t($599.55)\t% -500.00\t($99.55)\t($99,900.45)");
}

TEST(UnusualLoans, TinyRateStillCounts) {
    // 1 + r equals 1 in doubles here; the payment must still be amount / months, not a fault.
    const RecordingView view = Schedule("36000", "1E-15", "30");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "$100.00/mo");
}

TEST(UnusualLoans, LargeBalanceIsCarriedThroughExponentText) {
    const RecordingView view = Schedule("1E+20", "12", "1");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "$100,000,000,000,000,000,000.00");
    ASSERT_EQ(view.items.size(), 14u);
    // Month 2's interest comes from the 7-digit text of a balance near 9.2E+19.
    EXPECT_NE(Month(view, 2).find("\t% 921151187980386304.00\t"), std::string::npos) << Month(view, 2);
}

TEST(UnusualLoans, LocaleTextsThroughout) {
    const RegionalSettingsGuard guard(RegionalSettings::germany());
    const RecordingView view = Schedule("100.000", "6,5", "2,5");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "100.000,00\u00A0\u20AC");
    EXPECT_EQ(view.captions.at(SummaryLabel::Rate), "% 6,50");
    EXPECT_EQ(view.captions.at(SummaryLabel::Terms), "2,5(30 months)");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "3.620,50\u00A0\u20AC/mo");
    // 100000 at 6.5 % over 30 months; the first month's interest is 541.67, the rest repays.
    EXPECT_EQ(Month(view, 1), "1\t3.620,50\u00A0\u20AC\t% 541,67\t3.078,83\u00A0\u20AC\t96.921,17\u00A0\u20AC");
    EXPECT_EQ(view.items.size(), 32u);
}

struct FaultCase {
    const char* amount;
    const char* rate;
    const char* terms;
    int error;
};

void PrintTo(const FaultCase& fault, std::ostream* out) {
    *out << '"' << fault.amount << "\" \"" << fault.rate << "\" \"" << fault.terms << '"';
}

class RunTimeErrors : public ::testing::TestWithParam<FaultCase> {};

TEST_P(RunTimeErrors, EndTheCalculation) {
    const FaultCase& fault = GetParam();
    RecordingView view;
    try {
        CalculateSchedule(fault.amount, fault.rate, fault.terms, view);
        FAIL() << "expected run-time error " << fault.error;
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), fault.error) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, RunTimeErrors,
                         ::testing::Values(FaultCase{"100000", "6", "0", 11},  // the payment divides by zero
                                           FaultCase{"100000", "0", "0", 11}, FaultCase{"0", "0", "0", 5},  // 0 / 0
                                           FaultCase{"1E39", "6", "30", 6},      // beyond a 32-bit float
                                           FaultCase{"100000", "6", "2731", 6},  // more than 32767 months
                                           FaultCase{"100000", "6", "-2731", 6}, FaultCase{"100000", "6", "1E308", 6},
                                           FaultCase{"100000", "-1200", "30", 11},  // (1 + r) is zero
                                           FaultCase{"100000", "-1300", "0.1",
                                                     5},  // a negative base to a fractional power
                                           FaultCase{"abc", "6", "30", 13}, FaultCase{"100000", "6", "", 13}),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             return "Error" + std::to_string(info.param.error) + "_case" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace orvanta
