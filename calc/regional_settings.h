#pragma once

#include <string>

namespace orvanta {

// How numbers and money are written and read. One setting holds for the whole process,
// so that text written by one conversion is read back by another.
struct RegionalSettings {
    enum class NegativeCurrency { Parentheses, LeadingMinus };  // "($1.00)" or "-1,00 €"

    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string currencySymbol = "$";
    bool currencySymbolFirst = true;    // "$1.00" rather than "1.00$"
    bool currencySymbolSpaced = false;  // a blank between the number and the symbol
    int currencyDecimals = 2;
    NegativeCurrency negativeCurrency = NegativeCurrency::Parentheses;

    static RegionalSettings unitedStates();
    static RegionalSettings germany();

    bool operator==(const RegionalSettings&) const = default;
};

// The setting in force; en-US until the program sets another.
const RegionalSettings& currentRegionalSettings();
void setRegionalSettings(const RegionalSettings& settings);

}  // namespace orvanta
