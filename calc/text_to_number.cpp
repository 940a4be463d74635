#include "text_to_number.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "regional_settings.h"
#include "run_time_error.h"

namespace orvanta {

namespace {

enum class Reading { Number, NotANumber, OutOfRange };

struct ReadResult {
    Reading reading;
    double value = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks over the entry text once, collecting the number in the plain form that from_chars reads.
class EntryReader {
public:
    EntryReader(std::string_view text, const RegionalSettings& settings) : text_(text), settings_(settings) {}

    ReadResult read() {
        skipBlanks();
        const bool parenthesised = skip("(");
        skipBlanks();
        bool negative = readSign();
        skipBlanks();
        const bool symbolBefore = skipCurrencySymbol();
        skipBlanks();
        if (symbolBefore && !negative) {  // "$-5" as well as "-$5"
            negative = readSign();
            skipBlanks();
        }
        if (!readDigitsAndFraction() || !readExponent()) return {Reading::NotANumber};
        skipBlanks();
        if (!symbolBefore) {
            skipCurrencySymbol();
            skipBlanks();
        }
        if (parenthesised) {
            if (negative || !skip(")")) return {Reading::NotANumber};
            negative = true;
            skipBlanks();
        }
        if (pos_ != text_.size()) return {Reading::NotANumber};
        return convert(negative);
    }

private:
    bool skip(std::string_view token) {
        if (token.empty() || text_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }

    // Plain blanks, tabs, and the no-break spaces that locales put in money amounts.
    void skipBlanks() {
        while (skip(" ") || skip("\t") || skip("\u00A0") || skip("\u202F")) {}
    }

    bool skipCurrencySymbol() { return skip(settings_.currencySymbol); }

    bool readSign() {
        if (skip("+")) return false;
        return skip("-");
    }

    // Integer digits, grouped by threes after a first group of one to three, then a fraction.
    bool readDigitsAndFraction() {
        const int leading = readDigitRun();
        if (leading > 0 && leading <= 3) {
            while (nextIsGroupedDigits()) {
                skip(settings_.groupSeparator);
                if (readDigitRun() != 3) return false;
            }
        }
        const bool hasInteger = leading > 0;
        if (skip(settings_.decimalSeparator)) {
            digits_ += '.';
            return readDigitRun() > 0 || hasInteger;
        }
        return hasInteger;
    }

    bool nextIsGroupedDigits() const {
        const std::string& separator = settings_.groupSeparator;
        if (separator.empty() || text_.substr(pos_, separator.size()) != separator) return false;
        const std::size_t after = pos_ + separator.size();
        return after < text_.size() && isDigit(text_[after]);
    }

    int readDigitRun() {
        int length = 0;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            digits_ += text_[pos_++];
            ++length;
        }
        return length;
    }

    bool readExponent() {
        if (pos_ >= text_.size()) return true;
        const char marker = text_[pos_];
        if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd') return true;
        ++pos_;
        digits_ += 'e';
        if (skip("-"))
            digits_ += '-';
        else
            skip("+");
        return readDigitRun() > 0;
    }

    ReadResult convert(bool negative) const {
        double value = 0;
        const char* first = digits_.data();
        const char* last = first + digits_.size();
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        if (end != last) return {Reading::NotANumber};
        if (error == std::errc::result_out_of_range) {
            if (!isOverflow()) return {Reading::Number, negative ? -0.0 : 0.0};
            return {Reading::OutOfRange};
        }
        return {Reading::Number, negative ? -value : value};
    }

    // from_chars reports overflow and underflow alike: tell them apart by the decimal
    // magnitude of the text, the power of ten just above its first significant digit.
    bool isOverflow() const {
        const std::size_t exponentAt = digits_.find('e');
        const std::string_view mantissa = std::string_view(digits_).substr(0, exponentAt);
        long long exponent = 0;
        if (exponentAt != std::string::npos) {
            const char* first = digits_.data() + exponentAt + 1;
            const auto [end, error] = std::from_chars(first, digits_.data() + digits_.size(), exponent);
            if (error == std::errc::result_out_of_range) return *first != '-';
        }
        const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
        const std::size_t firstSignificant = mantissa.find_first_of("123456789");
        long long magnitude = static_cast<long long>(point) - static_cast<long long>(firstSignificant);
        if (firstSignificant > point) ++magnitude;  // the point itself is no digit
        constexpr long long farBeyondRange = 1'000'000'000;
        return std::clamp(exponent, -farBeyondRange, farBeyondRange) + magnitude > 0;
    }

    std::string_view text_;
    const RegionalSettings& settings_;
    std::size_t pos_ = 0;
    std::string digits_;
};

}  // namespace

double textToDouble(std::string_view text) {
    const ReadResult result = EntryReader(text, currentRegionalSettings()).read();
    switch (result.reading) {
    case Reading::Number: return result.value;
    case Reading::OutOfRange: throw RunTimeError::overflow();
    case Reading::NotANumber: break;
    }
    throw RunTimeError::typeMismatch();
}

bool isNumeric(std::string_view text) {
    return EntryReader(text, currentRegionalSettings()).read().reading == Reading::Number;
}

}  // namespace orvanta
