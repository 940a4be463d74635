#include "locale_regional_settings.h"

#include <gtest/gtest.h>
#include <QLocale>

#include <cmath>
#include <map>
#include <optional>

#include "number_text.h"
#include "recording_view.h"
#include "regional_settings_guard.h"
#include "run_time_error.h"
#include "schedule.h"
#include "text_to_number.h"

namespace orvanta {
namespace {

std::optional<double> reading(const std::string& text) {
    try {
        return textToDouble(text);
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

TEST(LocaleRegionalSettings, UnitedStatesAndGermanyMatchTheCalculationsOwnSettings) {
    EXPECT_EQ(regionalSettingsFor(QLocale("en_US")), RegionalSettings::unitedStates());
    EXPECT_EQ(regionalSettingsFor(QLocale("de_DE")), RegionalSettings::germany());
    EXPECT_EQ(regionalSettingsFor(QLocale::c()), RegionalSettings::unitedStates());
    EXPECT_EQ(regionalSettingsFor(QLocale("POSIX")), RegionalSettings::unitedStates());
}

// Qt 6.4 gives the top group of a locale that groups only from five digits on (es_ES, pl_PL,
// pt_PT, ...) all the digits left: "1234.567,50" for 1234567.5.
bool qtLeavesTopGroupTooLong(double value) {
    return currentRegionalSettings().number.minimumGrouping > 1 && std::fabs(value) >= 1e6;
}

// The figures of a schedule, each cell read back as a number ("% " dropped from the interest).
std::vector<double> figuresOf(const RecordingView& view) {
    std::vector<double> figures;
    for (std::size_t row = 2; row < view.items.size(); ++row) {
        std::string item = view.items[row];
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = item.find('\t', start);
            std::string cell = item.substr(start, end == std::string::npos ? end : end - start);
            if (cell.starts_with("% ")) cell.erase(0, 2);
            figures.push_back(reading(cell).value_or(NAN));
        }
    }
    return figures;
}

std::vector<double> scheduleFigures(const std::string& amount, const std::string& rate, const std::string& terms) {
    RecordingView view;
    CalculateSchedule(amount, rate, terms, view);
    return figuresOf(view);
}

// Every locale Qt knows reads back what it writes, reads Qt's own texts, writes money as Qt
// does, and schedules the same figures as en-US with the same currency decimals.
TEST(EveryLocale, ReadsItsOwnAndQtsTextsAndSchedulesAsInTheUnitedStates) {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 600);
    std::map<int, std::vector<double>> unitedStates;  // by currency decimals
    for (const int decimals : {0, 2, 3}) {
        RegionalSettings settings = RegionalSettings::unitedStates();
        settings.currencyDecimals = decimals;
        const RegionalSettingsGuard guard(settings);
        unitedStates[decimals] = scheduleFigures("100000", "6.5", "30");
    }
    for (const QLocale& locale : locales) {
        const RegionalSettingsGuard guard(regionalSettingsFor(locale));
        const std::string name = locale.name().toStdString();
        const int decimals = currentRegionalSettings().currencyDecimals;
        const double scale = std::pow(10, decimals);
        for (const double value : {0.5, 1234.5, 100000.0, 1234567.5, -1234567.5}) {
            EXPECT_EQ(reading(doubleToText(value)), value) << name << ' ' << doubleToText(value);
            const double money = std::round(value * scale) / scale;
            EXPECT_EQ(reading(formatCurrency(value)), money) << name << ' ' << formatCurrency(value);

            if (locale.language() == QLocale::C || qtLeavesTopGroupTooLong(value)) continue;
            const QString number = locale.toString(value, 'f', QLocale::FloatingPointShortest);
            EXPECT_EQ(reading(number.toStdString()), value) << name << ' ' << number.toStdString();
            // Qt leaves a blank where a locale without any currency would have its symbol.
            const QString currency = locale.toCurrencyString(value).trimmed();
            EXPECT_EQ(reading(currency.toStdString()), QLocale::c().toString(value, 'f', decimals).toDouble())
                << name << ' ' << currency.toStdString();
            if (decimals > 0) {  // no tie to round
                EXPECT_EQ(formatCurrency(value), currency.toStdString()) << name;
            }
        }
        const auto typed = [&locale](double value) {
            return locale.toString(value, 'f', QLocale::FloatingPointShortest).toStdString();
        };
        EXPECT_EQ(scheduleFigures(typed(100000), typed(6.5), typed(30)), unitedStates.at(decimals)) << name;
    }
}

}  // namespace
}  // namespace orvanta
