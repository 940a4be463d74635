#include "calc/regional_settings.h"

namespace orvanta {

RegionalSettings RegionalSettings::unitedStates() { return {}; }

namespace {
RegionalSettings& settingInForce() {
    static RegionalSettings settings;
    return settings;
}
}  // namespace

const RegionalSettings& currentRegionalSettings() { return settingInForce(); }

void setRegionalSettings(const RegionalSettings& settings) { settingInForce() = settings; }

}  // namespace orvanta
