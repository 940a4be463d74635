#include "regional_settings.h"

namespace orvanta {

RegionalSettings RegionalSettings::unitedStates() { return {}; }

RegionalSettings RegionalSettings::germany() {
    RegionalSettings settings;
    settings.decimalSeparator = ",";
    settings.groupSeparator = ".";
    settings.currencySymbol = "\u20AC";
    settings.currencySymbolFirst = false;
    settings.currencySymbolSpaced = true;
    settings.negativeCurrency = NegativeCurrency::LeadingMinus;
    return settings;
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
