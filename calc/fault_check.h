#pragma once

namespace orvanta {

// Floating-point steps of the schedule, each checked for the IEEE events that end a
// calculation: invalid operation (error 5), division by zero (11) and overflow (6).
// The inputs are always finite, so a NaN or an infinity in a result marks the event exactly.
double checked(double result);  // a step computed by a library function
double checkedProduct(double a, double b);
double checkedQuotient(double dividend, double divisor);
double checkedDifference(double a, double b);
double checkedPower(double base, double exponent);
float checkedSingle(double value);  // the store into a 32-bit float

}  // namespace orvanta
