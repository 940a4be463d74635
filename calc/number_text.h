#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// Numbers are written in the digits, decimal separator and minus sign of the current regional
// settings, money in its own.

// Shortest text with at most 7 significant digits, exponent form "1.5E+07" outside 1E-4..1E+7.
std::string singleToText(float value);
// As singleToText with at most 15 significant digits.
std::string doubleToText(double value);
std::string integerToText(std::int16_t value);

// The "Currency" format: rounded half away from zero to the currency decimals, grouped as the
// locale groups, inside the locale's positive or negative currency pattern.
std::string formatCurrency(double value);

// The pattern "% #0.00": "% " and the value with two decimals, ungrouped, not scaled.
std::string formatPercentPattern(double value);

// Rounds half to even; outside the 16-bit range throws RunTimeError 6.
std::int16_t doubleToInteger(double value);

}  // namespace orvanta
