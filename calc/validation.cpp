#include "validation.h"

#include "text_to_number.h"

namespace orvanta {

bool ValidateData(const std::string& amount, const std::string& rate, const std::string& terms) {
    if (amount.empty() || rate.empty() || terms.empty()) return false;
    return IsNumeric(amount) && IsNumeric(rate) && IsNumeric(terms);
}

}  // namespace orvanta
