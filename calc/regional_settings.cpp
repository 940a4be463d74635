#include "regional_settings.h"

namespace orvanta {

RegionalSettings RegionalSettings::unitedStates() { return {}; }

RegionalSettings RegionalSettings::germany() {
    const NumberForm german{.decimalSeparator = ",", .groupSeparator = "."};
    return {.number = german,
            .money = german,
            .currencySymbol = "\u20AC",
            .positiveCurrency = {"", "\u00A0\u20AC"},
            .negativeCurrency = {"-", "\u00A0\u20AC"}};
}

namespace {
RegionalSettings& settingInForce() {
    static RegionalSettings settings;
    return settings;
}
}  // namespace

const RegionalSettings& currentRegionalSettings() { return settingInForce(); }

void setRegionalSettings(const RegionalSettings& settings) { settingInForce() = settings; }

}  // namespace orvanta
