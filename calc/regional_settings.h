#pragma once

#include <string>

namespace orvanta {

// How one kind of number is written: its digits, separators, grouping and minus sign.
struct NumberForm {
    char32_t zeroDigit = U'0';  // the ten digits are the code points from here on
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";  // empty where the locale does not group
    int primaryGroup = 3;              // digits in the group next to the decimal separator
    int secondaryGroup = 3;            // digits in each group further left (2 in India)
    int minimumGrouping = 1;           // grouped only from primaryGroup + this many digits ("1234" in Spain)
    std::string minusSign = "-";

    bool operator==(const NumberForm&) const = default;
};

// The text around the digits of an amount, with the symbol, blanks, sign and parentheses.
struct CurrencyPattern {
    std::string prefix;
    std::string suffix;

    bool operator==(const CurrencyPattern&) const = default;
};

// How numbers and money are written and read. One setting holds for the whole process,
// so that text written by one conversion is read back by another.
struct RegionalSettings {
    NumberForm number;                 // entries, the rate and the months
    NumberForm money;                  // amounts in the "Currency" format
    std::string currencySymbol = "$";  // as written; the ISO code where the locale has no symbol
    int currencyDecimals = 2;
    CurrencyPattern positiveCurrency{"$", ""};
    CurrencyPattern negativeCurrency{"($", ")"};

    static RegionalSettings unitedStates();

    bool operator==(const RegionalSettings&) const = default;
};

// The setting in force; en-US until the program sets another.
const RegionalSettings& currentRegionalSettings();
void setRegionalSettings(const RegionalSettings& settings);

}  // namespace orvanta
