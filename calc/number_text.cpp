#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "calc/regional_settings.h"
#include "calc/run_time_error.h"
#include "calc/utf8.h"

namespace orvanta {

namespace {

// Scaling a double by 10^decimals (decimals <= 3) in long double is exact with a 64-bit mantissa,
// so rounding the scaled value rounds the exact binary value.
static_assert(std::numeric_limits<long double>::digits >= 64);
constexpr int maxDecimals = 3;

// The locale's ten digits in UTF-8. Unicode puts every set of ten digits where only the last
// byte of the encoding changes; any other set is encoded digit by digit.
class Digits {
public:
    explicit Digits(char32_t zero) : zero_(zero), length_(encodeUtf8(zero, zeroText_.data())) {
        bytewise_ = (static_cast<unsigned char>(zeroText_[length_ - 1]) & 0x3F) + 9 <= 0x3F;
    }

    std::size_t size() const { return length_; }

    // Writes the digit at out, which has room for size() bytes, and moves out past it.
    void write(char*& out, int digit) const {
        if (length_ == 1) {
            *out++ = static_cast<char>(zeroText_[0] + digit);
            return;
        }
        if (!bytewise_) {
            out += encodeUtf8(zero_ + static_cast<char32_t>(digit), out);
            return;
        }
        for (std::size_t i = 0; i < length_; ++i) *out++ = zeroText_[i];
        out[-1] = static_cast<char>(out[-1] + digit);
    }

private:
    char32_t zero_;
    std::array<char, 4> zeroText_{};
    std::size_t length_;
    bool bytewise_;
};

// Separators are a few bytes: a plain loop beats a call to memmove.
void put(char*& out, std::string_view text) {
    for (const char c : text) *out++ = c;
}

// Plain ASCII number text ("-1.5e+07") written in the locale's digits, separator and minus sign.
std::string localised(std::string_view plain, const NumberForm& form) {
    const Digits digits(form.zeroDigit);
    std::size_t size = 0;
    for (const char c : plain) {
        size += c >= '0' && c <= '9' ? digits.size()
                : c == '-'           ? form.minusSign.size()
                : c == '.'           ? form.decimalSeparator.size()
                                     : 1;
    }
    std::string text(size, '\0');
    char* end = text.data();
    for (const char c : plain) {
        if (c >= '0' && c <= '9')
            digits.write(end, c - '0');
        else if (c == '-')
            put(end, form.minusSign);
        else if (c == '.')
            put(end, form.decimalSeparator);
        else
            *end++ = c == 'e' ? 'E' : c;
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

// Appends the magnitude of value rounded half away from zero to the given decimals (0 to 3),
// leaving room for a suffix of the given size so that the text is allocated once.
void appendFixed(std::string& out, double value, int decimals, const NumberForm& form, bool grouped,
                 std::size_t suffixSize = 0) {
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

    const Digits localDigits(form.zeroDigit);
    const auto length = static_cast<std::size_t>(integer.ptr - digits.data());
    const auto primary = static_cast<std::size_t>(std::max(form.primaryGroup, 1));
    const auto secondary = static_cast<std::size_t>(std::max(form.secondaryGroup, 1));
    grouped = grouped && !form.groupSeparator.empty()
              && length >= primary + static_cast<std::size_t>(std::max(form.minimumGrouping, 1));
    const std::size_t separators = grouped ? 1 + (length - primary - 1) / secondary : 0;
    const std::size_t fractionLength =
        decimals > 0 ? form.decimalSeparator.size() + static_cast<std::size_t>(decimals) * localDigits.size() : 0;
    const std::size_t start = out.size();
    const std::size_t size = length * localDigits.size() + separators * form.groupSeparator.size() + fractionLength;
    out.reserve(start + size + suffixSize);
    out.resize(start + size);
    char* end = out.data() + start;
    // The digits left of the first separator, then secondary groups down to the primary one.
    std::size_t group = grouped ? (length - primary - 1) % secondary + 1 : length;
    for (std::size_t i = 0; i < length; ++i, --group) {
        if (group == 0) {
            put(end, form.groupSeparator);
            group = length - i == primary ? primary : secondary;
        }
        localDigits.write(end, digits[i] - '0');
    }
    if (decimals > 0) {
        put(end, form.decimalSeparator);
        for (unsigned place = scale / 10; place > 0; place /= 10) {
            localDigits.write(end, static_cast<int>(fraction / place % 10));
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
    appendFixed(money, value, std::clamp(settings.currencyDecimals, 0, maxDecimals), settings.money, true,
                pattern.suffix.size());
    money += pattern.suffix;
    return money;
}

std::string formatPercentPattern(double value) {
    const NumberForm& form = currentRegionalSettings().number;
    std::string text = "% ";
    if (value < 0) text += form.minusSign;
    appendFixed(text, value, 2, form, false);
    return text;
}

std::int16_t doubleToInteger(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw RunTimeError::overflow();
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace orvanta
