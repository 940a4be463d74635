#include <gtest/gtest.h>

#include <cmath>

#include "calc/text_to_number.h"
#include "run_time_error_of.h"

namespace orvanta {
namespace {

// The number a text reads as, or the run-time error it raises: 6 beyond the double range.
// Long runs of zeros are left out where they cannot change the number, and keep their place where they can.
TEST(textToDouble, ReadsTheNumberFormsOrOverflows) {
    const std::string zeros(100000, '0');
    const auto run = [](std::size_t count) { return std::string(count, '0'); };
    const struct {
        std::string text;
        double value;
        int error = 0;
    } table[] = {
        {"\t 5 \t", 5},
        {"1,234,567.25", 1234567.25},
        {".5", 0.5},
        {"5.", 5},
        {"+5", 5},
        {"( 1,000.50 )", -1000.5},
        {"1e-3", 0.001},
        {"2.5D+2", 250},
        {"100$", 100},
        {"-$5", -5},
        {"$-5", -5},
        {"($1,234.50)", -1234.5},
        {"$(1,234.50)", -1234.5},
        {"(1,234.50) $", -1234.5},
        {zeros + "1.5" + zeros, 1.5},
        {zeros + "." + zeros, 0},
        {"0." + run(299) + "1", 1e-300},
        {"1" + run(308), 1e308},
        {"25E" + zeros + "2", 2500},
        {"0." + run(309) + "1E310", 1},
        {"-1E-400", -0.0},
        {"1000E-99999999999999999999999", 0},
        {zeros + "1" + run(309) + ".0", 0, 6},
        {"1E99999999999999999999999", 0, 6},
        {"0.01E311", 0, 6},
    };
    for (const auto& row : table) {
        const std::string shown = row.text.substr(0, 40);
        ASSERT_EQ(runTimeErrorOf(row.text), row.error) << shown;
        if (row.error != 0) continue;
        const double value = textToDouble(row.text);
        EXPECT_EQ(value, row.value) << shown;
        EXPECT_EQ(std::signbit(value), std::signbit(row.value)) << shown;
    }
}

TEST(textToDouble, RefusesWhatIsNoNumber) {
    for (const char* text :
         {"",  "a12", "12a", "1 2",   "--5", "(-5)", "(5",   "1,00", "1,0000", ",100",  "1000,000", ".",
          "$", "E5",  "1E",  "1.2.3", "$$5", "5$$",  "0x10", "inf",  "1e5e5",  "$(5$)", "($5)$",    "$5)"}) {
        EXPECT_EQ(runTimeErrorOf(text), 13) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace orvanta
