#pragma once

namespace orvanta {

// Floating-point steps of the schedule, each checked for the IEEE events that end a
// calculation: invalid operation (error 5), division by zero (11) and overflow (6).
// The inputs are always finite, so a NaN or an infinity in a result marks the event exactly.
double Checked(double result);  // a step computed by a library function
double CheckedProduct(double a, double b);
double CheckedQuotient(double dividend, double divisor);
double CheckedDifference(double a, double b);
double CheckedPower(double base, double exponent);
float CheckedSingle(double value);  // the store into a 32-bit float

}  // namespace orvanta
