#pragma once

#include <string>

namespace orvanta {

// True when all three entries are present and numeric; the size and sign of the numbers are not judged.
bool ValidateData(const std::string& amount, const std::string& rate, const std::string& terms);

}  // namespace orvanta
