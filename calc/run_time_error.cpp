#include "calc/run_time_error.h"

namespace orvanta {

RunTimeError::RunTimeError(int number, const std::string& message) : std::runtime_error(message), number_(number) {}

int RunTimeError::number() const { return number_; }

RunTimeError RunTimeError::invalidCall() { return {5, "Invalid procedure call or argument"}; }
RunTimeError RunTimeError::overflow() { return {6, "Overflow"}; }
RunTimeError RunTimeError::divisionByZero() { return {11, "Division by zero"}; }
RunTimeError RunTimeError::typeMismatch() { return {13, "Type mismatch"}; }

}  // namespace orvanta
