#include <gtest/gtest.h>

#include <cfloat>

#include "calc/number_text.h"
#include "calc/regional_settings.h"
#include "calc/run_time_error.h"
#include "calc/text_to_number.h"
#include "german_settings.h"
#include "regional_settings_guard.h"

namespace orvanta {
namespace {

TEST(singleToText, ShortestFormWithSevenDigits) {
    EXPECT_EQ(singleToText(99900.453125f), "99900.45");
    EXPECT_EQ(singleToText(0.5f), "0.5");
    EXPECT_EQ(singleToText(100.0f), "100");
    EXPECT_EQ(singleToText(-2.25f), "-2.25");
    EXPECT_EQ(singleToText(0.0f), "0");
    EXPECT_EQ(singleToText(-0.0f), "0");
    EXPECT_EQ(singleToText(1234567.0f), "1234567");
    EXPECT_EQ(singleToText(15000000.0f), "1.5E+07");
    EXPECT_EQ(singleToText(0.0001f), "0.0001");
    EXPECT_EQ(singleToText(0.00001f), "1E-05");
    EXPECT_EQ(singleToText(FLT_MAX), "3.402823E+38");
    EXPECT_EQ(singleToText(0.1f), "0.1");  // 0.100000001490116... to 7 digits
}

TEST(doubleToText, FifteenDigits) {
    EXPECT_EQ(doubleToText(360), "360");
    EXPECT_EQ(doubleToText(0.1 * 12), "1.2");
    EXPECT_EQ(doubleToText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(doubleToText(1e15), "1E+15");
    EXPECT_EQ(doubleToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(doubleToText(-1e300), "-1E+300");
}

TEST(integerToText, PlainDigits) {
    EXPECT_EQ(integerToText(0), "0");
    EXPECT_EQ(integerToText(32767), "32767");
    EXPECT_EQ(integerToText(-32768), "-32768");
}

TEST(Currency, UnitedStates) {
    EXPECT_EQ(formatCurrency(1234.5), "$1,234.50");
    EXPECT_EQ(formatCurrency(-1234.5), "($1,234.50)");
    EXPECT_EQ(formatCurrency(-0.004), "($0.00)");
    EXPECT_EQ(formatCurrency(0.0), "$0.00");
    EXPECT_EQ(formatCurrency(999.995), "$1,000.00");  // the double lies just above ...995
    EXPECT_EQ(formatCurrency(1.005), "$1.00");        // ... and here just below ...005
    EXPECT_EQ(formatCurrency(0.125), "$0.13");        // an exact tie goes away from zero
    EXPECT_EQ(formatCurrency(-0.125), "($0.13)");
    EXPECT_EQ(formatCurrency(92920.125f), "$92,920.13");
    EXPECT_EQ(formatCurrency(1e20), "$100,000,000,000,000,000,000.00");
    EXPECT_EQ(formatCurrency(static_cast<double>(FLT_MAX)), "$340,282,346,638,528,859,811,704,183,484,516,925,440.00");
}

RegionalSettings india() {
    const NumberForm indian{.secondaryGroup = 2};
    return {.number = indian,
            .money = indian,
            .currencySymbol = "\u20B9",
            .positiveCurrency = {"\u20B9", ""},
            .negativeCurrency = {"-\u20B9", ""}};
}

// Arabic-Indic digits, Arabic separators and a minus led by the Arabic letter mark.
RegionalSettings egypt() {
    const NumberForm arabic{
        .zeroDigit = U'\u0660', .decimalSeparator = "\u066B", .groupSeparator = "\u066C", .minusSign = "\u061C-"};
    return {.number = arabic,
            .money = arabic,
            .currencySymbol = "\u062C.\u0645.",
            .positiveCurrency = {"", " \u062C.\u0645."},
            .negativeCurrency = {"\u061C-", " \u062C.\u0645."}};
}

// Spain groups only from five digits on.
RegionalSettings spain() {
    RegionalSettings settings = germanSettings();
    settings.number.minimumGrouping = 2;
    settings.money.minimumGrouping = 2;
    return settings;
}

RegionalSettings japan() {
    RegionalSettings settings = RegionalSettings::unitedStates();
    settings.currencySymbol = "\uFFE5";
    settings.currencyDecimals = 0;
    settings.positiveCurrency = {"\uFFE5", ""};
    settings.negativeCurrency = {"-\uFFE5", ""};
    return settings;
}

struct Written {
    RegionalSettings (*settings)();
    double value;
    const char* currency;
    const char* percent;
    const char* single;
};

TEST(Currency, PercentAndNumberTextsFollowTheLocale) {
    const Written table[] = {
        {germanSettings, 1234.5, "1.234,50\u00A0\u20AC", "% 1234,50", "1234,5"},
        {germanSettings, -1234.5, "-1.234,50\u00A0\u20AC", "% -1234,50", "-1234,5"},
        {germanSettings, 99900.453125, "99.900,45\u00A0\u20AC", "% 99900,45", "99900,45"},
        {germanSettings, 1.5e7, "15.000.000,00\u00A0\u20AC", "% 15000000,00", "1,5E+07"},
        {india, 100000, "\u20B91,00,000.00", "% 100000.00", "100000"},
        {india, 1234567.5, "\u20B912,34,567.50", "% 1234567.50", "1234568"},
        {india, -123.25, "-\u20B9123.25", "% -123.25", "-123.25"},
        {spain, 1234.5, "1234,50\u00A0\u20AC", "% 1234,50", "1234,5"},
        {spain, 12345, "12.345,00\u00A0\u20AC", "% 12345,00", "12345"},
        {spain, 1234567, "1.234.567,00\u00A0\u20AC", "% 1234567,00", "1234567"},
        {egypt, 1234.5, "\u0661\u066C\u0662\u0663\u0664\u066B\u0665\u0660 \u062C.\u0645.",
         "% \u0661\u0662\u0663\u0664\u066B\u0665\u0660", "\u0661\u0662\u0663\u0664\u066B\u0665"},
        {egypt, -0.5, "\u061C-\u0660\u066B\u0665\u0660 \u062C.\u0645.", "% \u061C-\u0660\u066B\u0665\u0660",
         "\u061C-\u0660\u066B\u0665"},
        {egypt, 2e-5, "\u0660\u066B\u0660\u0660 \u062C.\u0645.", "% \u0660\u066B\u0660\u0660",
         "\u0662E\u061C-\u0660\u0665"},
        {japan, 1234.5, "\uFFE51,235", "% 1234.50", "1234.5"},
        {japan, -0.4, "-\uFFE50", "% -0.40", "-0.4"},
    };
    for (const Written& row : table) {
        const RegionalSettingsGuard guard(row.settings());
        EXPECT_EQ(formatCurrency(row.value), row.currency) << row.value;
        EXPECT_EQ(formatPercentPattern(row.value), row.percent) << row.value;
        EXPECT_EQ(singleToText(static_cast<float>(row.value)), row.single) << row.value;
    }
}

TEST(Currency, IntegersAndEntryTextsInNativeDigits) {
    const RegionalSettingsGuard guard(egypt());
    EXPECT_EQ(integerToText(-360), "\u061C-\u0663\u0666\u0660");
    EXPECT_EQ(formatCurrency(textToDouble("\u0661\u0660\u0660\u0660\u0660\u0660")),
              "\u0661\u0660\u0660\u066C\u0660\u0660\u0660\u066B\u0660\u0660 \u062C.\u0645.");
}

TEST(Currency, BrokenDecimalsDoNotBreakTheFormat) {
    RegionalSettings yen = japan();
    yen.currencyDecimals = -1;
    const RegionalSettingsGuard guard(yen);
    EXPECT_EQ(formatCurrency(12.5), "\uFFE513");
}

TEST(PercentPattern, TwoDecimalsUngroupedAndUnscaled) {
    EXPECT_EQ(formatPercentPattern(6), "% 6.00");
    EXPECT_EQ(formatPercentPattern(500), "% 500.00");
    EXPECT_EQ(formatPercentPattern(1234567.891), "% 1234567.89");
    EXPECT_EQ(formatPercentPattern(0.004), "% 0.00");
    EXPECT_EQ(formatPercentPattern(-5), "% -5.00");
}

TEST(doubleToInteger, RoundsHalfToEvenWithinSixteenBits) {
    EXPECT_EQ(doubleToInteger(2.5), 2);
    EXPECT_EQ(doubleToInteger(3.5), 4);
    EXPECT_EQ(doubleToInteger(-2.5), -2);
    EXPECT_EQ(doubleToInteger(0.48), 0);
    EXPECT_EQ(doubleToInteger(32767.4), 32767);
    EXPECT_EQ(doubleToInteger(-32768.5), -32768);
    for (const double outside : {32767.5, 32768.0, -32768.6, 1e300}) {
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
