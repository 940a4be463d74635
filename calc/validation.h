#pragma once

#include <string_view>

namespace orvanta {

// True when all three entries are present and numeric; the size and sign of the numbers are not judged.
bool ValidateData(std::string_view amount, std::string_view rate, std::string_view terms);

}  // namespace orvanta
