#include "validation.h"

#include "text_to_number.h"

namespace orvanta {

bool ValidateData(const std::string& amount, const std::string& rate, const std::string& terms) {
    if (amount.empty() || rate.empty() || terms.empty()) return false;
    return isNumeric(amount) && isNumeric(rate) && isNumeric(terms);
}

}  // namespace orvanta
