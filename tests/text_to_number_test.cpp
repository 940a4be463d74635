#include <gtest/gtest.h>

#include <cmath>

#include "calc/text_to_number.h"
#include "run_time_error_of.h"

namespace orvanta {
namespace {

TEST(textToDouble, ReadsTheNumberForms) {
    EXPECT_EQ(textToDouble("100000"), 100000);
    EXPECT_EQ(textToDouble(" 5 "), 5);
    EXPECT_EQ(textToDouble("\t5\t"), 5);
    EXPECT_EQ(textToDouble("1,000"), 1000);
    EXPECT_EQ(textToDouble("1,234,567.25"), 1234567.25);
    EXPECT_EQ(textToDouble("6.5"), 6.5);
    EXPECT_EQ(textToDouble(".5"), 0.5);
    EXPECT_EQ(textToDouble("5."), 5);
    EXPECT_EQ(textToDouble("+5"), 5);
    EXPECT_EQ(textToDouble("-5"), -5);
    EXPECT_EQ(textToDouble("(5)"), -5);
    EXPECT_EQ(textToDouble("( 1,000.50 )"), -1000.5);
    EXPECT_EQ(textToDouble("1E3"), 1000);
    EXPECT_EQ(textToDouble("1e-3"), 0.001);
    EXPECT_EQ(textToDouble("2.5D+2"), 250);
    EXPECT_EQ(textToDouble("0.1"), 0.1);  // correctly rounded, as the compiler reads it
}

// The reader leaves out zeros that cannot change the number; those that can must keep their place.
TEST(textToDouble, LongRunsOfZerosKeepTheirPlace) {
    const std::string zeros(100000, '0');
    const auto run = [](std::size_t count) { return std::string(count, '0'); };
    EXPECT_EQ(textToDouble(zeros + "1.5" + zeros), 1.5);
    EXPECT_EQ(textToDouble(zeros + "." + zeros), 0);
    EXPECT_EQ(textToDouble("." + zeros), 0);
    EXPECT_EQ(textToDouble("0." + run(299) + "1"), 1e-300);
    EXPECT_EQ(textToDouble("1" + run(308)), 1e308);
    EXPECT_EQ(runTimeErrorOf(zeros + "1" + run(309) + ".0"), 6);
    EXPECT_EQ(textToDouble("25E" + zeros + "2"), 2500);
    EXPECT_EQ(textToDouble("0." + run(309) + "1E310"), 1);
}

TEST(textToDouble, ReadsTheCurrencySymbolOnEitherSide) {
    EXPECT_EQ(textToDouble("$100,000"), 100000);
    EXPECT_EQ(textToDouble("100$"), 100);
    EXPECT_EQ(textToDouble("-$5"), -5);
    EXPECT_EQ(textToDouble("$-5"), -5);
    EXPECT_EQ(textToDouble("($1,234.50)"), -1234.5);
    EXPECT_EQ(textToDouble("$(1,234.50)"), -1234.5);
    EXPECT_EQ(textToDouble("(1,234.50) $"), -1234.5);
}

TEST(textToDouble, RefusesWhatIsNoNumber) {
    for (const char* text :
         {"",     "   ",    "abc",  "12a",  "a12",      "1 2",   "--5",   "+-5",   "(-5)", "(5",  "5)",
          "1,00", "1,0000", ",100", "100,", "1000,000", ".",     "$",     "E5",    "1E",   "1E+", "1.2.3",
          "$$5",  "5$$",    "0x10", "inf",  "nan",      "1e5e5", "$(5$)", "($5)$", "$5)"}) {
        EXPECT_FALSE(isNumeric(text)) << '"' << text << '"';
        EXPECT_EQ(runTimeErrorOf(text), 13) << '"' << text << '"';
    }
}

TEST(textToDouble, BeyondTheDoubleRangeOverflowsButTinyNumbersAreZero) {
    EXPECT_EQ(runTimeErrorOf("1E309"), 6);
    EXPECT_EQ(runTimeErrorOf("-1E309"), 6);
    EXPECT_EQ(runTimeErrorOf("1E99999999999999999999999"), 6);
    EXPECT_EQ(runTimeErrorOf("0.01E311"), 6);
    EXPECT_FALSE(isNumeric("1E309"));
    EXPECT_EQ(textToDouble("1E-400"), 0);
    EXPECT_EQ(textToDouble("1000E-99999999999999999999999"), 0);
    EXPECT_TRUE(std::signbit(textToDouble("-1E-400")));
    EXPECT_EQ(textToDouble("1E308"), 1e308);
    EXPECT_EQ(textToDouble("0E99999"), 0);
}

}  // namespace
}  // namespace orvanta
