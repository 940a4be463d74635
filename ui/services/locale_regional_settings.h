#pragma once

#include "regional_settings.h"

class QLocale;

namespace orvanta {

// The number and money conventions of a Qt locale, as the calculation reads and writes them.
// The C and POSIX locales carry no currency, so they stand for en-US.
RegionalSettings regionalSettingsFor(const QLocale& locale);

// Puts the user's own locale in force for every conversion of the calculation.
void adoptUserRegionalSettings();

}  // namespace orvanta
