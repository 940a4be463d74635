#pragma once

#include <string_view>

namespace orvanta {

// Reads an entry as a number under the current regional settings: blanks around it, a sign,
// grouped digits, a decimal fraction, an exponent (E or D), the currency symbol before or
// after, parentheses for a negative. The locale's digits, ASCII and full-width ones are all
// digits; groups are the locale's sizes or threes; bidi marks are ignored. Throws RunTimeError
// 13 for text that is no number and 6 for a number beyond the double range.
double textToDouble(std::string_view text);

// True exactly when textToDouble would succeed.
bool isNumeric(std::string_view text);

}  // namespace orvanta
