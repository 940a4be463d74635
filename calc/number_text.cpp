#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "regional_settings.h"
#include "run_time_error.h"
#include "text_to_number.h"
#include "utf8.h"

namespace orvanta {

namespace {

// Scaling a double by 10^decimals (decimals <= 3) in long double is exact with a 64-bit mantissa,
// so rounding the scaled value rounds the exact binary value.
static_assert(std::numeric_limits<long double>::digits >= 64);
constexpr int maxDecimals = 3;

// Plain ASCII number text ("-1.5e+07") written in the locale's digits, separator and minus sign.
std::string localised(std::string_view plain, const NumberForm& form) {
    std::string text;
    text.reserve(plain.size() * 2);
    for (const char c : plain) {
        if (c >= '0' && c <= '9')
            appendUtf8(text, form.zeroDigit + static_cast<char32_t>(c - '0'));
        else if (c == '-')
            text += form.minusSign;
        else if (c == '.')
            text += form.decimalSeparator;
        else
            text += c == 'e' ? 'E' : c;
    }
    return text;
}

// %.{precision}g of the exact value, ties to even, exponent written "E+07".
std::string generalText(double value, int precision) {
    if (value == 0) value = 0;  // no sign for -0
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, precision);
    return localised(std::string_view(buffer.data(), result.ptr), currentRegionalSettings().number);
}

// Whether a group separator stands before the digit that has `remaining` digits from it to the end.
bool groupStartsAt(std::size_t remaining, const NumberForm& form) {
    const auto primary = static_cast<std::size_t>(std::max(form.primaryGroup, 1));
    const auto secondary = static_cast<std::size_t>(std::max(form.secondaryGroup, 1));
    return remaining == primary || (remaining > primary && (remaining - primary) % secondary == 0);
}

// Appends the magnitude of value rounded half away from zero to the given decimals (0 to 3).
void appendFixed(std::string& out, double value, int decimals, const NumberForm& form, bool grouped) {
    const double magnitude = std::fabs(value);
    const unsigned scale = decimals == 0 ? 1 : decimals == 1 ? 10 : decimals == 2 ? 100 : 1000;
    std::array<char, 320> digits;  // the longest double has 309 digits
    const long double scaled = static_cast<long double>(magnitude) * scale;
    unsigned long long fraction = 0;
    std::to_chars_result integer{};
    if (scaled < 0x1p62L) {
        const auto units = static_cast<unsigned long long>(std::llround(scaled));
        fraction = units % scale;
        integer = std::to_chars(digits.data(), digits.data() + digits.size(), units / scale);
    } else {
        // From 2^62 / scale on every double is a whole number: its digits are exact.
        integer = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude, std::chars_format::fixed, 0);
    }

    const auto length = static_cast<std::size_t>(integer.ptr - digits.data());
    grouped = grouped && !form.groupSeparator.empty()
              && length >= static_cast<std::size_t>(form.primaryGroup + std::max(form.minimumGrouping, 1));
    for (std::size_t i = 0; i < length; ++i) {
        if (grouped && i > 0 && groupStartsAt(length - i, form)) out += form.groupSeparator;
        appendUtf8(out, form.zeroDigit + static_cast<char32_t>(digits[i] - '0'));
    }
    if (decimals > 0) {
        out += form.decimalSeparator;
        for (unsigned place = scale / 10; place > 0; place /= 10) {
            appendUtf8(out, form.zeroDigit + static_cast<char32_t>(fraction / place % 10));
        }
    }
}

}  // namespace

std::string singleToText(float value) { return generalText(value, 7); }

std::string doubleToText(double value) { return generalText(value, 15); }

std::string integerToText(std::int16_t value) {
    return localised(std::to_string(value), currentRegionalSettings().number);
}

std::string formatCurrency(double value) {
    const RegionalSettings& settings = currentRegionalSettings();
    const CurrencyPattern& pattern = value < 0 ? settings.negativeCurrency : settings.positiveCurrency;
    std::string money = pattern.prefix;
    appendFixed(money, value, std::clamp(settings.currencyDecimals, 0, maxDecimals), settings.money, true);
    money += pattern.suffix;
    return money;
}

std::string formatCurrency(const std::string& text) { return formatCurrency(textToDouble(text)); }

std::string formatPercentPattern(double value) {
    const NumberForm& form = currentRegionalSettings().number;
    std::string text = "% ";
    if (value < 0) text += form.minusSign;
    appendFixed(text, value, 2, form, false);
    return text;
}

std::string formatPercentPattern(const std::string& text) { return formatPercentPattern(textToDouble(text)); }

std::int16_t doubleToInteger(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw RunTimeError::overflow();
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace orvanta
