#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <random>

#include "calc/regional_settings.h"
#include "calc/schedule.h"
#include "calc/text_to_number.h"
#include "calc/utf8.h"
#include "calc/validation.h"
#include "german_settings.h"
#include "regional_settings_guard.h"
#include "run_time_error_of.h"

namespace orvanta {
namespace {

using namespace std::string_literals;

// Checks every text as it arrives, without keeping 32769 rows per case: no infinity or NaN
// written, and the fields of every row.
class CheckingView : public ScheduleView {
public:
    void setCaption(SummaryLabel, const std::string& text) override { check(text); }
    void AddItem(const std::string& item) override {
        check(item);
        EXPECT_EQ(std::count(item.begin(), item.end(), '\t'), rows++ < 2 ? 5 : 4) << item;
    }
    void setFixedRows(int) override {}
    int rows = 0;

private:
    static void check(const std::string& text) {
        EXPECT_TRUE(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos) << text;
    }
};

// The locales whose separators, symbol and digits the numbers are typed in.
std::vector<RegionalSettings> typings() {
    const NumberForm arabic{.zeroDigit = U'\u0660', .decimalSeparator = "\u066B", .groupSeparator = "\u066C"};
    const NumberForm french{.decimalSeparator = ",", .groupSeparator = "\u202F"};
    return {RegionalSettings::unitedStates(),
            germanSettings(),
            {.number = arabic, .money = arabic, .currencySymbol = "\u062C.\u0645."},
            {.number = french, .money = french, .currencySymbol = "\u20AC"}};
}

// A number typed in one of the forms a locale reads, and the same number as strtod reads it.
struct TypedNumber {
    std::string text, plain;
};

// Entry texts built from the pieces numbers are made of, put together in odd ways.
class HostileText {
public:
    HostileText(unsigned seed, const RegionalSettings& settings) : random_(seed), settings_(settings) {}

    // Half of the texts are well-formed numbers, some of them with a piece put in somewhere.
    std::string next() {
        if (chance(2)) return pieces();
        std::string text = number().text;
        if (chance(3)) text.insert(pick(text.size() + 1), pieces());
        return text;
    }

    // Mostly short terms, so that most schedules run to their end.
    std::string nextTerms() {
        if (chance(4)) return next();
        return std::to_string(static_cast<double>(pick(81)) / 4 - 10);
    }

    // Signs, symbol, groups, fraction and exponent, in ASCII, native or full-width digits with
    // bidi marks anywhere.
    TypedNumber number() {
        const std::vector<std::string> signs = {
            "", "", "-", "+", "(", "\u2212", settings_.currencySymbol, "-" + settings_.currencySymbol};
        const std::string sign = signs[pick(signs.size())];
        TypedNumber number{sign, sign.starts_with("-") || sign == "(" || sign == "\u2212" ? "-" : ""};
        appendDigits(number, std::to_string(pick(1000)));
        for (std::size_t groups = pick(4); groups > 0; --groups) {
            number.text += settings_.number.groupSeparator;
            appendDigits(number, std::to_string(100 + pick(900)));
        }
        if (chance(2)) {
            number.text += settings_.number.decimalSeparator;
            number.plain += '.';
            appendDigits(number, std::to_string(pick(100000)));
        }
        if (chance(4)) {
            number.text += chance(2) ? 'E' : 'D';
            number.plain += 'e';
            const int exponent = static_cast<int>(pick(80)) - 40;
            if (exponent < 0) number.text += chance(2) ? "-" : "\u2212";
            if (exponent < 0) number.plain += '-';
            appendDigits(number, std::to_string(std::abs(exponent)));
        } else if (chance(40)) {
            number.text += 'E';
            number.plain += 'e';
            appendDigits(number, std::to_string(pick(100000)));
        }
        if (sign == "(") number.text += ")";
        return number;
    }

private:
    bool chance(int oneIn) { return pick(static_cast<std::size_t>(oneIn)) == 0; }
    std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

    void appendDigits(TypedNumber& number, const std::string& digits) {
        static const std::vector<std::string> marks = {"\u200E", "\u200F", "\u061C"};
        for (const char digit : digits) {
            const auto value = static_cast<char32_t>(digit - '0');
            const std::size_t script = pick(3);
            if (script == 0)
                number.text += digit;
            else
                appendUtf8(number.text, (script == 1 ? settings_.number.zeroDigit : U'\uFF10') + value);
            if (chance(8)) number.text += marks[pick(marks.size())];
            number.plain += digit;
        }
    }

    std::string pieces() {
        // ASCII; then other characters, marks and ill-formed bytes; then long runs and whole numbers.
        static const std::vector<std::string> all = [] {
            std::vector<std::string> pieces = {"0", "1",  "5",      "9",      "12",     "999", ",", ".",    "-",
                                               "+", "(",  ")",      "$",      "E",      "e",   "D", "E+",   "E-",
                                               " ", "\t", "\u00A0", "\u202F", "\u20AC", "a",   "x", "\xff", "\0"s};
            pieces.insert(pieces.end(),
                          {"\u2212", "\u2019",   "'",        "\u00A5",       "\uFFE5",         "\u200E", "\u200F",
                           "\u061C", "\u0661",   "\u066B",   "\u066C",       "\u06F5",         "\u0967", "\uFF15",
                           "\xD9",   "\xE2\x80", "\xC0\xAE", "\xED\xA0\x80", "\u062C.\u0645.", "DA"});
            pieces.insert(pieces.end(),
                          {"000000000000000000000000000001", "99999999999999999999999999999999999999",
                           "E99999999999999999999", "E-99999999999999999999", "E308", "E-320", "1,000", "3.5"});
            return pieces;
        }();
        std::string text;
        for (std::size_t length = pick(9); length > 0; --length) {
            text += chance(10) ? std::string(1, static_cast<char>(pick(256))) : all[pick(all.size())];
        }
        return text;
    }

    std::mt19937 random_;
    RegionalSettings settings_;
};

// Typed numbers read as strtod reads their plain form, in every script and with marks anywhere;
// beyond the double range they overflow.
TEST(HostileInput, TypedNumbersReadAsTheirPlainForm) {
    for (const RegionalSettings& settings : typings()) {
        HostileText texts(20261208, settings);
        const RegionalSettingsGuard guard(settings);
        for (int i = 0; i < 5000; ++i) {
            const TypedNumber number = texts.number();
            errno = 0;
            const double expected = std::strtod(number.plain.c_str(), nullptr);
            if (errno == ERANGE && std::isinf(expected)) {
                EXPECT_EQ(runTimeErrorOf(number.text), 6) << number.text;
            } else if (errno == ERANGE) {
                continue;  // strtod keeps a subnormal that the reader takes as zero
            } else {
                ASSERT_EQ(runTimeErrorOf(number.text), 0) << number.text;
                EXPECT_EQ(textToDouble(number.text), expected) << number.text << " / " << number.plain;
            }
        }
    }
}

// Whatever is typed, the reader answers with a number, a type mismatch or an overflow, and
// isNumeric says which; under the sanitizers this also shows that no text reads out of bounds.
TEST(HostileInput, AnyTextIsANumberOrATypeMismatchOrAnOverflow) {
    for (const RegionalSettings& settings : typings()) {
        HostileText texts(1208, settings);
        const RegionalSettingsGuard guard(settings);
        for (int i = 0; i < 5000; ++i) {
            const std::string text = texts.next();
            const int error = runTimeErrorOf(text);
            EXPECT_TRUE(error == 0 || error == 13 || error == 6) << error;
            EXPECT_EQ(isNumeric(text), error == 0) << '"' << text << '"';
        }
    }
}

TEST(HostileInput, EveryEntryValidatesOrSchedulesOrStopsWithARunTimeError) {
    HostileText texts(1208, RegionalSettings::unitedStates());
    int schedules = 0;
    int runTimeErrors = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string amount = texts.next();
        const std::string rate = texts.next();
        const std::string terms = texts.nextTerms();
        if (!ValidateData(amount, rate, terms)) continue;
        CheckingView view;
        try {
            CalculateSchedule(amount, rate, terms, view);
            ++schedules;
            EXPECT_GE(view.rows, 2);
        } catch (const RunTimeError& error) {
            ++runTimeErrors;
            EXPECT_TRUE(error.number() == 5 || error.number() == 6 || error.number() == 11)
                << error.number() << " for " << amount << " / " << rate << " / " << terms;
        }
    }
    // The generator must reach both outcomes, or the property says little.
    EXPECT_GT(schedules, 100);
    EXPECT_GT(runTimeErrors, 10);
}

}  // namespace
}  // namespace orvanta
