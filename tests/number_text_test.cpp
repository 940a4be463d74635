#include <gtest/gtest.h>

#include <cfloat>

#include "number_text.h"
#include "regional_settings.h"
#include "run_time_error.h"
#include "text_to_number.h"

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
    EXPECT_EQ(formatCurrency(std::string("100000")), "$100,000.00");
    EXPECT_EQ(formatCurrency(1e20), "$100,000,000,000,000,000,000.00");
    EXPECT_EQ(formatCurrency(static_cast<double>(FLT_MAX)), "$340,282,346,638,528,859,811,704,183,484,516,925,440.00");
}

TEST(Currency, GermanyAndReadingItBack) {
    setRegionalSettings(RegionalSettings::germany());
    EXPECT_EQ(formatCurrency(1234.5), "1.234,50 \u20AC");
    EXPECT_EQ(formatCurrency(-1234.5), "-1.234,50 \u20AC");
    EXPECT_EQ(formatCurrency(std::string("100.000")), "100.000,00 \u20AC");
    EXPECT_EQ(formatPercentPattern(6.5), "% 6,50");
    EXPECT_EQ(singleToText(99900.453125f), "99900,45");
    for (const double value : {1234.5, -1234.5, 0.01, 1e9, 99900.45}) {
        EXPECT_EQ(textToDouble(formatCurrency(value)), value);
        EXPECT_EQ(textToDouble(doubleToText(value)), value);
    }
    setRegionalSettings(RegionalSettings::unitedStates());
    for (const double value : {1234.5, -1234.5, 0.01, 1e9, 99900.45}) {
        EXPECT_EQ(textToDouble(formatCurrency(value)), value);
    }
}

TEST(Currency, OtherLayouts) {
    RegionalSettings yen{.currencySymbol = "\u00A5",
                         .currencyDecimals = 0,
                         .negativeCurrency = RegionalSettings::NegativeCurrency::LeadingMinus};
    setRegionalSettings(yen);
    EXPECT_EQ(formatCurrency(1234.5), "\u00A51,235");
    EXPECT_EQ(formatCurrency(-0.4), "-\u00A50");
    yen.currencyDecimals = -1;  // a broken locale must not break the format
    setRegionalSettings(yen);
    EXPECT_EQ(formatCurrency(12.5), "\u00A513");
    setRegionalSettings(RegionalSettings::unitedStates());
}

TEST(PercentPattern, TwoDecimalsUngroupedAndUnscaled) {
    EXPECT_EQ(formatPercentPattern(6), "% 6.00");
    EXPECT_EQ(formatPercentPattern(500), "% 500.00");
    EXPECT_EQ(formatPercentPattern(1234567.891), "% 1234567.89");
    EXPECT_EQ(formatPercentPattern(0.004), "% 0.00");
    EXPECT_EQ(formatPercentPattern(-5), "% -5.00");
    EXPECT_EQ(formatPercentPattern(std::string("6.5")), "% 6.50");
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
