#include "calc/text_to_number.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "calc/regional_settings.h"
#include "calc/run_time_error.h"
#include "calc/utf8.h"

namespace orvanta {

namespace {

enum class Reading { Number, NotANumber, OutOfRange };

enum class Section { Whole, Fraction };

struct ReadResult {
    Reading reading;
    double value = 0;
};

bool isBidiMark(char32_t c) { return c == U'\u200E' || c == U'\u200F' || c == U'\u061C'; }

// The typed stand-ins that count as the same character: both minus signs, the apostrophes,
// the blanks, both yen signs, and the full-width forms of CJK input for their ASCII ones.
char32_t folded(char32_t c) {
    switch (c) {
    case U'\u2212': return U'-';
    case U'\u2019': return U'\'';
    case U'\u00A0':
    case U'\u202F': return U' ';
    case U'\uFFE5': return U'\u00A5';
    default: break;
    }
    if (c >= U'\uFF01' && c <= U'\uFF5E') return c - 0xFEE0;
    return c;
}

// The next character that counts, bidi marks passed over, folded. ASCII stands for itself.
char32_t nextCharacter(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80)
        return static_cast<unsigned char>(text[pos++]);
    char32_t c = decodeUtf8(text, pos);
    while (isBidiMark(c)) c = decodeUtf8(text, pos);
    return folded(c);
}

// Walks over the entry text once, collecting the number in the plain form that from_chars reads.
class EntryReader {
public:
    EntryReader(std::string_view text, const RegionalSettings& settings)
        : text_(text), settings_(settings), form_(settings.number) {}

    // The symbol stands once, on either side of the number, inside or outside its parentheses:
    // "($5)", "$(5)", "(5 $)" and "(5) EUR" all read -5.
    ReadResult read() {
        skipBlanks();
        bool symbolSeen = skipSymbol();
        const bool parenthesised = skip("(");
        skipBlanks();
        bool negative = readSign();
        skipBlanks();
        const bool symbolBefore = !symbolSeen && skipSymbol();
        symbolSeen = symbolSeen || symbolBefore;
        if (symbolBefore && !negative) {  // "$-5" as well as "-$5"
            negative = readSign();
            skipBlanks();
        }
        if (!readDigitsAndFraction()) return {Reading::NotANumber};
        readExponent();
        skipBlanks();
        if (!symbolSeen) symbolSeen = skipSymbol();
        if (parenthesised) {
            if (negative || !skip(")")) return {Reading::NotANumber};
            negative = true;
            skipBlanks();
            if (!symbolSeen) skipSymbol();
        }
        if (current() != endOfText) return {Reading::NotANumber};
        return convert(negative);
    }

private:
    // The character at pos_, decoded once however often it is looked at.
    char32_t current() {
        if (currentAt_ != pos_) {
            currentAt_ = pos_;
            afterCurrent_ = pos_;
            current_ = nextCharacter(text_, afterCurrent_);
        }
        return current_;
    }

    void advance() {
        current();
        pos_ = afterCurrent_;
    }

    // Moves past the token if the text goes on with it, character by character as they count.
    bool skip(std::string_view token) {
        if (token.size() == 1 && static_cast<unsigned char>(token[0]) < 0x80) {
            if (current() != static_cast<unsigned char>(token[0])) return false;
            advance();
            return true;
        }
        std::size_t in = 0;
        const char32_t first = nextCharacter(token, in);
        if (first == endOfText || first != current()) return false;
        std::size_t at = afterCurrent_;
        for (char32_t expected = nextCharacter(token, in); expected != endOfText; expected = nextCharacter(token, in)) {
            if (nextCharacter(text_, at) != expected) return false;
        }
        pos_ = at;
        return true;
    }

    // The currency symbol and the blanks after it.
    bool skipSymbol() {
        if (!skip(settings_.currencySymbol)) return false;
        skipBlanks();
        return true;
    }

    // Blanks and tabs; the bidi marks are passed over everywhere.
    void skipBlanks() {
        while (current() == U' ' || current() == U'\t') advance();
    }

    bool readSign() {
        if (skip("+")) return false;
        return skip("-") || skip(form_.minusSign);
    }

    int digitValue(char32_t c) const {
        if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
        if (c >= form_.zeroDigit && c <= form_.zeroDigit + 9) return static_cast<int>(c - form_.zeroDigit);
        return -1;
    }

    // Integer digits, ungrouped or in groups of the locale's sizes or of three, then a fraction.
    bool readDigitsAndFraction() {
        beginSection(Section::Whole);
        const int leading = readDigitRun();
        int groups = 0;
        int last = 0;
        bool localeGroups = true;
        bool threes = true;
        while (leading > 0 && nextIsGroupedDigits()) {
            skip(form_.groupSeparator);
            const int group = readDigitRun();
            if (groups > 0) localeGroups = localeGroups && last == form_.secondaryGroup;
            threes = threes && group == 3;
            last = group;
            ++groups;
        }
        if (groups > 0) {
            localeGroups = localeGroups && last == form_.primaryGroup && leading <= form_.secondaryGroup;
            threes = threes && leading <= 3;
            if (!localeGroups && !threes) return false;
        }
        endSection();
        const bool hasInteger = leading > 0;
        if (skipDecimalSeparator()) {
            digits_ += '.';
            beginSection(Section::Fraction);
            const bool hasFraction = readDigitRun() > 0;
            endSection();
            return hasFraction || hasInteger;
        }
        return hasInteger;
    }

    // Where the locale writes neither separator in ASCII (Arabic, Persian), a full stop typed on a
    // Latin keyboard can only be the decimal point.
    bool skipDecimalSeparator() {
        if (skip(form_.decimalSeparator)) return true;
        return !isAscii(form_.decimalSeparator) && !isAscii(form_.groupSeparator) && skip(".");
    }

    static bool isAscii(std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    bool nextIsGroupedDigits() {
        const std::size_t start = pos_;
        const bool grouped = skip(form_.groupSeparator) && digitValue(current()) >= 0;
        pos_ = start;
        return grouped;
    }

    // ASCII digits are taken straight from the text, as a pasted run of them is the long case.
    int readDigitRun() {
        int length = 0;
        for (;;) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
                if (text_[pos_] == '0') {
                    const std::size_t zerosFrom = pos_;
                    while (pos_ < text_.size() && text_[pos_] == '0') ++pos_;
                    zeros_ += pos_ - zerosFrom;
                } else {
                    putDigit(text_[pos_++]);
                }
            }
            length += static_cast<int>(pos_ - start);
            const int digit = digitValue(current());
            if (digit < 0) return length;
            if (digit == 0)
                ++zeros_;
            else
                putDigit(static_cast<char>('0' + digit));
            advance();
            ++length;
        }
    }

    // Zeros are counted and copied only where they count, so that a pasted run of them is passed
    // over instead of copied: in a whole number (the integer or the exponent) after its first
    // significant digit, in a fraction before its last one.
    void beginSection(Section section) {
        section_ = section;
        sectionStart_ = digits_.size();
        zeros_ = 0;
    }

    void putDigit(char digit) {
        putZeros();
        digits_ += digit;
    }

    void putZeros() {
        if (section_ == Section::Fraction || digits_.size() > sectionStart_) digits_.append(zeros_, '0');
        zeros_ = 0;
    }

    // A section of zeros alone is copied as one zero.
    void endSection() {
        if (digits_.size() == sectionStart_) {
            if (zeros_ > 0) digits_ += '0';
        } else if (section_ == Section::Whole) {
            putZeros();
        }
        zeros_ = 0;
    }

    // E or D, a sign and digits. Anything less is no exponent, so that a symbol such as
    // "DA" after the number keeps its letters.
    void readExponent() {
        const std::size_t start = pos_;
        const std::size_t digitsBefore = digits_.size();
        const char32_t marker = current();
        if (marker == U'E' || marker == U'e' || marker == U'D' || marker == U'd') {
            advance();
            digits_ += 'e';
            if (readSign()) digits_ += '-';
            beginSection(Section::Whole);
            if (readDigitRun() > 0) {
                endSection();
                return;
            }
        }
        pos_ = start;
        digits_.resize(digitsBefore);
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
    const NumberForm& form_;
    std::size_t pos_ = 0;
    std::size_t currentAt_ = std::string_view::npos;
    std::size_t afterCurrent_ = 0;
    char32_t current_ = endOfText;
    std::string digits_;
    Section section_ = Section::Whole;
    std::size_t sectionStart_ = 0;
    std::size_t zeros_ = 0;
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
