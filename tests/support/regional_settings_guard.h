#pragma once

#include "calc/regional_settings.h"

namespace orvanta {

// Puts settings in force for one scope and restores the ones before, however the scope ends.
class RegionalSettingsGuard {
public:
    explicit RegionalSettingsGuard(const RegionalSettings& settings) : saved_(currentRegionalSettings()) {
        setRegionalSettings(settings);
    }
    ~RegionalSettingsGuard() { setRegionalSettings(saved_); }
    RegionalSettingsGuard(const RegionalSettingsGuard&) = delete;
    RegionalSettingsGuard& operator=(const RegionalSettingsGuard&) = delete;

private:
    RegionalSettings saved_;
};

}  // namespace orvanta
