#include <gtest/gtest.h>

#include "calc/number_text.h"
#include "calc/regional_settings.h"
#include "calc/run_time_error.h"
#include "german_settings.h"
#include "regional_settings_guard.h"

namespace orvanta {
namespace {

// Money, the rate's pattern and the balance text of one value, as each locale writes them.
TEST(NumberTexts, FollowTheLocale) {
    const RegionalSettings us = RegionalSettings::unitedStates();
    const NumberForm indian{.secondaryGroup = 2};
    const RegionalSettings india{
        .number = indian, .money = indian, .positiveCurrency = {"\u20B9", ""}, .negativeCurrency = {"-\u20B9", ""}};
    RegionalSettings spain = germanSettings();  // groups only from five digits on
    spain.number.minimumGrouping = spain.money.minimumGrouping = 2;
    // Arabic-Indic digits, Arabic separators and a minus led by the Arabic letter mark.
    const NumberForm arabic{
        .zeroDigit = U'\u0660', .decimalSeparator = "\u066B", .groupSeparator = "\u066C", .minusSign = "\u061C-"};
    const RegionalSettings egypt{.number = arabic,
                                 .money = arabic,
                                 .positiveCurrency = {"", " \u062C.\u0645."},
                                 .negativeCurrency = {"\u061C-", " \u062C.\u0645."}};
    RegionalSettings japan = us;
    japan.currencyDecimals = 0;
    japan.positiveCurrency = {"\uFFE5", ""};
    RegionalSettings broken = japan;
    broken.currencyDecimals = -1;
    const struct {
        const RegionalSettings& settings;
        double value;
        const char *currency, *percent, *single;
    } table[] = {
        {us, -0.0, "$0.00", "% 0.00", "0"},  // no sign for -0
        {us, -0.004, "($0.00)", "% -0.00", "-0.004"},
        {us, 999.995, "$1,000.00", "% 1000.00", "999.995"},  // the double lies just above ...995
        {us, 1.005, "$1.00", "% 1.00", "1.005"},             // ... and here just below ...005
        {us, -0.125, "($0.13)", "% -0.13", "-0.125"},        // an exact tie goes away from zero
        {us, 1e20, "$100,000,000,000,000,000,000.00", "% 100000000000000000000.00", "1E+20"},
        {us, 1234567, "$1,234,567.00", "% 1234567.00", "1234567"},
        {us, 0.1f, "$0.10", "% 0.10", "0.1"},  // 0.100000001490116... to 7 digits
        {us, 0.00001, "$0.00", "% 0.00", "1E-05"},
        {germanSettings(), -1234.5, "-1.234,50\u00A0\u20AC", "% -1234,50", "-1234,5"},
        {germanSettings(), 99900.453125, "99.900,45\u00A0\u20AC", "% 99900,45", "99900,45"},
        {germanSettings(), 1.5e7, "15.000.000,00\u00A0\u20AC", "% 15000000,00", "1,5E+07"},
        {india, 1234567.5, "\u20B912,34,567.50", "% 1234567.50", "1234568"},
        {spain, 1234.5, "1234,50\u00A0\u20AC", "% 1234,50", "1234,5"},
        {spain, 12345, "12.345,00\u00A0\u20AC", "% 12345,00", "12345"},
        {egypt, 1234.5, "\u0661\u066C\u0662\u0663\u0664\u066B\u0665\u0660 \u062C.\u0645.",
         "% \u0661\u0662\u0663\u0664\u066B\u0665\u0660", "\u0661\u0662\u0663\u0664\u066B\u0665"},
        {egypt, -0.5, "\u061C-\u0660\u066B\u0665\u0660 \u062C.\u0645.", "% \u061C-\u0660\u066B\u0665\u0660",
         "\u061C-\u0660\u066B\u0665"},
        {egypt, 2e-5, "\u0660\u066B\u0660\u0660 \u062C.\u0645.", "% \u0660\u066B\u0660\u0660",
         "\u0662E\u061C-\u0660\u0665"},
        {japan, 1234.5, "\uFFE51,235", "% 1234.50", "1234.5"},
        {broken, 12.5, "\uFFE513", "% 12.50", "12.5"},  // decimals out of range are clamped
    };
    for (const auto& row : table) {
        const RegionalSettingsGuard guard(row.settings);
        EXPECT_EQ(formatCurrency(row.value), row.currency) << row.value;
        EXPECT_EQ(formatPercentPattern(row.value), row.percent) << row.value;
        EXPECT_EQ(singleToText(static_cast<float>(row.value)), row.single) << row.value;
    }
    const RegionalSettingsGuard guard(egypt);
    EXPECT_EQ(integerToText(-360), "\u061C-\u0663\u0666\u0660");
}

TEST(NumberTexts, DoublesWithFifteenDigits) {
    for (const auto& [value, text] :
         {std::pair{1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}}) {
        EXPECT_EQ(doubleToText(value), text);
    }
}

TEST(doubleToInteger, RoundsHalfToEvenWithinSixteenBits) {
    for (const auto& [value, rounded] : {std::pair{2.5, 2}, {3.5, 4}, {32767.4, 32767}, {-32768.5, -32768}}) {
        EXPECT_EQ(doubleToInteger(value), rounded) << value;
    }
    for (const double outside : {32767.5, -32768.6}) {
        try {
            doubleToInteger(outside);
            ADD_FAILURE() << outside << " fits";
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.number(), 6);
        }
    }
}

}  // namespace
}  // namespace orvanta
