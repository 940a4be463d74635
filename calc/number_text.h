#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// Shortest text with at most 7 significant digits, exponent form "1.5E+07" outside 1E-4..1E+7.
std::string singleToText(float value);
// As singleToText with at most 15 significant digits.
std::string doubleToText(double value);
std::string integerToText(std::int16_t value);

// The "Currency" format: rounded half away from zero to the currency decimals, grouped, with
// the currency symbol and the negative form of the current regional settings.
std::string formatCurrency(double value);
std::string formatCurrency(const std::string& text);  // the text is read with textToDouble

// The pattern "% #0.00": "% " and the value with two decimals, ungrouped, not scaled.
std::string formatPercentPattern(double value);
std::string formatPercentPattern(const std::string& text);

// Rounds half to even; outside the 16-bit range throws RunTimeError 6.
std::int16_t doubleToInteger(double value);

}  // namespace orvanta
