#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// Shortest text with at most 7 significant digits, exponent form "1.5E+07" outside 1E-4..1E+7.
std::string SingleToText(float value);
// As SingleToText with at most 15 significant digits.
std::string DoubleToText(double value);
std::string IntegerToText(std::int16_t value);

// The "Currency" format: rounded half away from zero to the currency decimals, grouped, with
// the currency symbol and the negative form of the current regional settings.
std::string FormatCurrency(double value);
std::string FormatCurrency(const std::string& text);  // the text is read with TextToDouble

// The pattern "% #0.00": "% " and the value with two decimals, ungrouped, not scaled.
std::string FormatPercentPattern(double value);
std::string FormatPercentPattern(const std::string& text);

// Rounds half to even; outside the 16-bit range throws RunTimeError 6.
std::int16_t DoubleToInteger(double value);

}  // namespace orvanta
