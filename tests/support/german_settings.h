#pragma once

#include "calc/regional_settings.h"

namespace orvanta {

// de-DE as its locale data writes it: decimal comma, grouping dot, the euro after the amount.
inline RegionalSettings germanSettings() {
    const NumberForm german{.decimalSeparator = ",", .groupSeparator = "."};
    return {.number = german,
            .money = german,
            .currencySymbol = "\u20AC",
            .positiveCurrency = {"", "\u00A0\u20AC"},
            .negativeCurrency = {"-", "\u00A0\u20AC"}};
}

}  // namespace orvanta
