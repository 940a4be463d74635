#include "locale_regional_settings.h"

#include <gtest/gtest.h>
#include <QLocale>

namespace orvanta {
namespace {

using Negative = RegionalSettings::NegativeCurrency;

TEST(LocaleRegionalSettings, UnitedStatesAndGermanyMatchTheCalculationsOwnSettings) {
    EXPECT_EQ(regionalSettingsFor(QLocale("en_US")), RegionalSettings::unitedStates());
    EXPECT_EQ(regionalSettingsFor(QLocale("de_DE")), RegionalSettings::germany());
}

TEST(LocaleRegionalSettings, CAndPosixStandForUnitedStates) {
    EXPECT_EQ(regionalSettingsFor(QLocale::c()), RegionalSettings::unitedStates());
    EXPECT_EQ(regionalSettingsFor(QLocale("POSIX")), RegionalSettings::unitedStates());
}

TEST(LocaleRegionalSettings, SymbolPlacementSpacingAndNegativeFormFollowTheLocale) {
    const RegionalSettings dutch = regionalSettingsFor(QLocale("nl_NL"));
    EXPECT_EQ(dutch.currencySymbol, "\u20AC");
    EXPECT_TRUE(dutch.currencySymbolFirst);
    EXPECT_TRUE(dutch.currencySymbolSpaced);  // "€ 1.234,50", the blank being a no-break space
    EXPECT_EQ(dutch.negativeCurrency, Negative::Parentheses);

    const RegionalSettings swiss = regionalSettingsFor(QLocale("de_CH"));
    EXPECT_EQ(swiss.decimalSeparator, ".");
    EXPECT_EQ(swiss.groupSeparator, "\u2019");
    EXPECT_EQ(swiss.currencySymbol, "CHF");
    EXPECT_FALSE(swiss.currencySymbolFirst);
    EXPECT_TRUE(swiss.currencySymbolSpaced);
    EXPECT_EQ(swiss.negativeCurrency, Negative::LeadingMinus);

    const RegionalSettings british = regionalSettingsFor(QLocale("en_GB"));
    EXPECT_EQ(british.currencySymbol, "\u00A3");
    EXPECT_FALSE(british.currencySymbolSpaced);
}

TEST(LocaleRegionalSettings, CurrencyDecimalsAreThoseTheLocaleWrites) {
    EXPECT_EQ(regionalSettingsFor(QLocale("en_US")).currencyDecimals, 2);
    EXPECT_EQ(regionalSettingsFor(QLocale("ja_JP")).currencyDecimals, 0);
}

}  // namespace
}  // namespace orvanta
