#include "calc/fault_check.h"

#include <cmath>

#include "calc/run_time_error.h"

namespace orvanta {

// With finite operands, a NaN result is an invalid operation and an infinite one an overflow.
double checked(double result) {
    if (std::isnan(result)) throw RunTimeError::invalidCall();
    if (std::isinf(result)) throw RunTimeError::overflow();
    return result;
}

double checkedProduct(double a, double b) { return checked(a * b); }

double checkedQuotient(double dividend, double divisor) {
    if (divisor == 0 && dividend != 0) throw RunTimeError::divisionByZero();
    return checked(dividend / divisor);
}

double checkedDifference(double a, double b) { return checked(a - b); }

double checkedPower(double base, double exponent) {
    if (base == 0 && exponent < 0) throw RunTimeError::divisionByZero();  // a pole, as 1 / 0
    return checked(std::pow(base, exponent));
}

float checkedSingle(double value) {
    // Halfway between the largest float and 2^128: from here on the store rounds to infinity.
    constexpr double singleOverflow = 0x1.ffffffp127;
    if (std::fabs(checked(value)) >= singleOverflow) throw RunTimeError::overflow();
    return static_cast<float>(value);
}

}  // namespace orvanta
