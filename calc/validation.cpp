#include "calc/validation.h"

#include "calc/text_to_number.h"

namespace orvanta {

bool ValidateData(std::string_view amount, std::string_view rate, std::string_view terms) {
    if (amount.empty() || rate.empty() || terms.empty()) return false;
    return isNumeric(amount) && isNumeric(rate) && isNumeric(terms);
}

}  // namespace orvanta
