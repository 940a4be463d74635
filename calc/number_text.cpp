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

namespace orvanta {

namespace {

// Scaling a double by 10^decimals (decimals <= 3) in long double is exact with a 64-bit mantissa,
// so rounding the scaled value rounds the exact binary value.
static_assert(std::numeric_limits<long double>::digits >= 64);
constexpr int maxDecimals = 3;

// %.{precision}g of the exact value, ties to even, exponent written "E+07".
std::string generalText(double value, int precision) {
    if (value == 0) return "0";  // also for -0
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, precision);
    const std::string& decimalSeparator = currentRegionalSettings().decimalSeparator;
    std::string text;
    for (const char* c = buffer.data(); c != result.ptr; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else
            text += *c == 'e' ? 'E' : *c;
    }
    return text;
}

// Appends the magnitude of value rounded half away from zero to the given decimals (0 to 3).
void appendFixed(std::string& out, double value, int decimals, std::string_view groupSeparator) {
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

    const std::string_view decimalSeparator = currentRegionalSettings().decimalSeparator;
    const auto length = static_cast<std::size_t>(integer.ptr - digits.data());
    const std::size_t fractionLength = decimals > 0 ? decimalSeparator.size() + static_cast<std::size_t>(decimals) : 0;
    const std::size_t start = out.size();
    out.resize(start + length + (length - 1) / 3 * groupSeparator.size() + fractionLength);
    char* end = out.data() + start;
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) end = std::copy(groupSeparator.begin(), groupSeparator.end(), end);
        *end++ = digits[i];
    }
    if (decimals > 0) {
        end = std::copy(decimalSeparator.begin(), decimalSeparator.end(), end);
        for (unsigned place = scale / 10; place > 0; place /= 10) {
            *end++ = static_cast<char>('0' + fraction / place % 10);
        }
    }
}

}  // namespace

std::string singleToText(float value) { return generalText(value, 7); }

std::string doubleToText(double value) { return generalText(value, 15); }

std::string integerToText(std::int16_t value) { return std::to_string(value); }

std::string formatCurrency(double value) {
    const RegionalSettings& settings = currentRegionalSettings();
    const bool negative = value < 0;
    const bool parentheses = settings.negativeCurrency == RegionalSettings::NegativeCurrency::Parentheses;
    const std::string_view gap = settings.currencySymbolSpaced ? " " : "";
    std::string money;
    if (negative) money += parentheses ? "(" : "-";
    if (settings.currencySymbolFirst) (money += settings.currencySymbol) += gap;
    appendFixed(money, value, std::clamp(settings.currencyDecimals, 0, maxDecimals), settings.groupSeparator);
    if (!settings.currencySymbolFirst) (money += gap) += settings.currencySymbol;
    if (negative && parentheses) money += ')';
    return money;
}

std::string formatCurrency(const std::string& text) { return formatCurrency(textToDouble(text)); }

std::string formatPercentPattern(double value) {
    std::string text = value < 0 ? "% -" : "% ";
    appendFixed(text, value, 2, "");
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
