#pragma once

#include "calc/regional_settings.h"

class QLocale;

namespace orvanta {

// The number and money conventions of Qt locales, as the calculation reads and writes them:
// numbers from the first, money from the second. A C or POSIX locale carries no conventions
// of its own, so en-US stands in for it.
RegionalSettings regionalSettingsFor(const QLocale& numbers, const QLocale& money);
RegionalSettings regionalSettingsFor(const QLocale& locale);

// The locale of one category (LC_NUMERIC, LC_MONETARY) as Qt's system locale takes it from
// the environment: LC_ALL, then the category, then LANG.
QLocale categoryLocale(const char* category);

// Puts the user's own numbers and money in force for every conversion of the calculation.
void adoptUserRegionalSettings();

}  // namespace orvanta
