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

// Checks the shape of every row as it arrives, without keeping 32769 rows per case.
class CheckingView : public ScheduleView {
public:
    void setCaption(SummaryLabel, const std::string& text) override { check(text); }
    void AddItem(const std::string& item) override {
        check(item);
        const auto tabs = std::count(item.begin(), item.end(), '\t');
        EXPECT_EQ(tabs, rows < 2 ? 5 : 4) << item;
        ++rows;
    }
    void setFixedRows(int) override {}

    int rows = 0;

private:
    static void check(const std::string& text) {
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    }
};

// How a number is typed: the locale's separators, symbol and digits.
struct Typing {
    RegionalSettings settings;
    char32_t nativeZero;  // typed beside ASCII and full-width digits
};

Typing unitedStates() { return {RegionalSettings::unitedStates(), U'0'}; }

Typing germany() { return {germanSettings(), U'0'}; }

Typing egypt() {
    const NumberForm arabic{.zeroDigit = U'\u0660', .decimalSeparator = "\u066B", .groupSeparator = "\u066C"};
    RegionalSettings settings{.number = arabic, .money = arabic, .currencySymbol = "\u062C.\u0645."};
    return {settings, U'\u0660'};
}

Typing france() {
    const NumberForm french{.decimalSeparator = ",", .groupSeparator = "\u202F"};
    RegionalSettings settings{.number = french, .money = french, .currencySymbol = "\u20AC"};
    return {settings, U'0'};
}

// A number typed in one of the forms a locale reads, and the same number as strtod reads it.
struct TypedNumber {
    std::string text;
    std::string plain;
};

std::string utf8Of(char32_t c) {
    std::string text;
    appendUtf8(text, c);
    return text;
}

// Entry texts built from the pieces numbers are made of, put together in odd ways.
class HostileText {
public:
    HostileText(unsigned seed, Typing typing) : random_(seed), typing_(std::move(typing)) {}

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
        const RegionalSettings& settings = typing_.settings;
        const std::vector<std::string> signs = {
            "", "", "-", "+", "(", "\u2212", settings.currencySymbol, "-" + settings.currencySymbol};
        const std::string sign = signs[pick(signs.size())];
        TypedNumber number{sign, sign.starts_with("-") || sign == "(" || sign == "\u2212" ? "-" : ""};
        appendDigits(number, std::to_string(pick(1000)));
        for (std::size_t groups = pick(4); groups > 0; --groups) {
            number.text += settings.number.groupSeparator;
            appendDigits(number, std::to_string(100 + pick(900)));
        }
        if (chance(2)) {
            number.text += settings.number.decimalSeparator;
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
            number.text +=
                script == 0 ? std::string(1, digit) : utf8Of((script == 1 ? typing_.nativeZero : U'\uFF10') + value);
            if (chance(8)) number.text += marks[pick(marks.size())];
            number.plain += digit;
        }
    }

    std::string pieces() {
        static const std::vector<std::string> all = {"0",
                                                     "1",
                                                     "5",
                                                     "9",
                                                     "12",
                                                     "999",
                                                     ",",
                                                     ".",
                                                     "-",
                                                     "+",
                                                     "(",
                                                     ")",
                                                     "$",
                                                     "E",
                                                     "e",
                                                     "D",
                                                     "E+",
                                                     "E-",
                                                     " ",
                                                     "\t",
                                                     "\u00A0",
                                                     "\u202F",
                                                     "\u20AC",
                                                     "a",
                                                     "x",
                                                     "\xff",
                                                     std::string(1, '\0'),
                                                     "\u2212",
                                                     "\u2019",
                                                     "'",
                                                     "\u00A5",
                                                     "\uFFE5",
                                                     "\u200E",
                                                     "\u200F",
                                                     "\u061C",
                                                     "\u0661",
                                                     "\u066B",
                                                     "\u066C",
                                                     "\u06F5",
                                                     "\u0967",
                                                     "\uFF15",
                                                     "\xD9",
                                                     "\xE2\x80",
                                                     "\xC0\xAE",
                                                     "\xED\xA0\x80",
                                                     "\u062C.\u0645.",
                                                     "DA",
                                                     "000000000000000000000000000001",
                                                     "99999999999999999999999999999999999999",
                                                     "E99999999999999999999",
                                                     "E-99999999999999999999",
                                                     "E308",
                                                     "E-320",
                                                     "1,000",
                                                     "3.5"};
        std::string text;
        for (std::size_t length = pick(9); length > 0; --length) {
            text += chance(10) ? std::string(1, static_cast<char>(pick(256))) : all[pick(all.size())];
        }
        return text;
    }

    std::mt19937 random_;
    Typing typing_;
};

// Typed numbers read as strtod reads their plain form, in every script and with marks anywhere;
// beyond the double range they overflow.
TEST(HostileInput, TypedNumbersReadAsTheirPlainForm) {
    for (Typing (*typing)() : {unitedStates, germany, egypt, france}) {
        HostileText texts(20261208, typing());
        const RegionalSettingsGuard guard(typing().settings);
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
    for (Typing (*typing)() : {unitedStates, germany, egypt, france}) {
        HostileText texts(1208, typing());
        const RegionalSettingsGuard guard(typing().settings);
        for (int i = 0; i < 5000; ++i) {
            const std::string text = texts.next();
            const int error = runTimeErrorOf(text);
            EXPECT_TRUE(error == 0 || error == 13 || error == 6) << error;
            EXPECT_EQ(isNumeric(text), error == 0) << '"' << text << '"';
        }
    }
}

TEST(HostileInput, EveryEntryValidatesOrSchedulesOrStopsWithARunTimeError) {
    HostileText texts(1208, unitedStates());
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
