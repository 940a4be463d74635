#include "services/locale_regional_settings.h"

#include <gtest/gtest.h>
#include <QLocale>

#include <cmath>
#include <map>
#include <optional>

#include "calc/number_text.h"
#include "calc/run_time_error.h"
#include "calc/schedule.h"
#include "calc/text_to_number.h"
#include "german_settings.h"
#include "recording_view.h"
#include "regional_settings_guard.h"

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
    EXPECT_EQ(regionalSettingsFor(QLocale("de_DE")), germanSettings());
    EXPECT_EQ(regionalSettingsFor(QLocale::c()), RegionalSettings::unitedStates());
}

struct Typed {
    const char* locale;
    const char* text;
    std::optional<double> value;  // none: refused
};

constexpr std::optional<double> refused;

// What users type, read the way their locale reads it, or refused; never some other number.
TEST(TypedForms, ReadAsTheLocaleReadsThemOrRefused) {
    const Typed table[] = {
        {"de_DE", "-1.234,50 \u20AC", -1234.5},
        {"en_IN", "\u20B910,00,000", 1000000},
        {"en_IN", "100,000", 100000},
        {"en_IN", "1,000,00", refused},
        {"ar_EG", "\u0661\u0660\u0660\u066C\u0660\u0660\u0660\u066B\u0665", 100000.5},
        {"ar_EG", "\u061C-\u0661\u066C\u0662\u0663\u0664\u066B\u0665\u0660 \u062C.\u0645.\u200F", -1234.5},
        {"ar_EG", "3.875", 3.875},  // a full stop typed on a Latin keyboard
        {"fr_FR", "3.875", refused},
        {"fa_IR", "\u200E(\u0631\u06CC\u0627\u0644 \u06F1\u066C\u06F2\u06F3\u06F5)", -1235},
        {"fr_FR", "1 000 000", 1000000},
        {"fr_FR", "1\u00A0000,5", 1000.5},
        {"fr_CA", "1\u202F000", 1000},
        {"pl_PL", "12 345,50 z\u0142", 12345.5},
        {"sv_SE", "\u22121 234,50 kr", -1234.5},
        {"de_CH", "1'000'000", 1000000},
        {"ja_JP", "\u00A51,000", 1000},
        {"ja_JP", "\uFF11\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF15", 1000.5},
        {"nl_NL", "\u20AC -1.234,50", -1234.5},
        {"kab_DZ", "100 000,00DA", 100000},
        {"kab_DZ", "1D2", 100},
        {"en_CH", "CHF-1\u2019234.50", -1234.5},
    };
    for (const Typed& typed : table) {
        const RegionalSettingsGuard guard(regionalSettingsFor(QLocale(typed.locale)));
        EXPECT_EQ(reading(typed.text), typed.value) << typed.locale << " \"" << typed.text << '"';
    }
}

// Numbers follow LC_NUMERIC and money LC_MONETARY, over LANG, as in Qt's system locale;
// LC_MESSAGES decides nothing.
TEST(UserLocale, EachCategoryFromItsOwnVariable) {
    struct Environment {
        const char* lang;
        const char* messages;
        const char* numeric;
        const char* monetary;
        const char* decimalSeparator;
        const char* currencySymbol;
    };
    const Environment table[] = {
        {"de_DE.UTF-8", "C", "", "", ",", "\u20AC"},
        {"C.UTF-8", "", "de_DE.UTF-8", "de_DE.UTF-8", ",", "\u20AC"},
        {"de_DE.UTF-8", "", "C", "", ".", "\u20AC"},
        {"C", "de_DE.UTF-8", "", "ja_JP.UTF-8", ".", "\uFFE5"},
        {"", "", "", "", ".", "$"},
    };
    const RegionalSettingsGuard guard(currentRegionalSettings());
    for (const Environment& environment : table) {
        qunsetenv("LC_ALL");
        qputenv("LANG", environment.lang);
        qputenv("LC_MESSAGES", environment.messages);
        qputenv("LC_NUMERIC", environment.numeric);
        qputenv("LC_MONETARY", environment.monetary);
        adoptUserRegionalSettings();
        EXPECT_EQ(currentRegionalSettings().number.decimalSeparator, environment.decimalSeparator) << environment.lang;
        EXPECT_EQ(currentRegionalSettings().currencySymbol, environment.currencySymbol) << environment.lang;
    }
}

// The figures of a schedule, each cell read back as a number ("% " dropped from the interest).
std::vector<double> scheduleFigures(const std::string& amount, const std::string& rate, const std::string& terms) {
    RecordingView view;
    CalculateSchedule(amount, rate, terms, view);
    std::vector<double> figures;
    for (std::size_t row = 2; row < view.items.size(); ++row) {
        const std::string& item = view.items[row];
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = item.find('\t', start);
            std::string cell = item.substr(start, end == std::string::npos ? end : end - start);
            if (cell.starts_with("% ")) cell.erase(0, 2);
            figures.push_back(reading(cell).value_or(NAN));
        }
    }
    return figures;
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

            // en-US stands in for C, so Qt's C texts are not the program's. Qt 6.4 gives the top group
            // of a locale that groups only from five digits on (es_ES, pl_PL, pt_PT, ...) all the digits
            // left: "1234.567,50" for 1234567.5.
            const bool topGroupTooLong =
                currentRegionalSettings().number.minimumGrouping > 1 && std::fabs(value) >= 1e6;
            if (locale.language() == QLocale::C || topGroupTooLong) continue;
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
