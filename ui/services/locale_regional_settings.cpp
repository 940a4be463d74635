#include "locale_regional_settings.h"

#include <QLocale>

namespace orvanta {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

// The decimals are counted in a sample amount, since QLocale does not expose them.
int currencyDecimals(const QString& sample, const QLocale& locale) {
    const qsizetype point = sample.lastIndexOf(locale.decimalPoint());
    if (point < 0) return 0;
    int decimals = 0;
    for (qsizetype i = point + locale.decimalPoint().size(); i < sample.size() && sample[i].isDigit(); ++i) ++decimals;
    return decimals;
}

}  // namespace

RegionalSettings regionalSettingsFor(const QLocale& locale) {
    if (locale.language() == QLocale::C) return RegionalSettings::unitedStates();

    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString positive = locale.toCurrencyString(1234.5);
    const QString negative = locale.toCurrencyString(-1234.5);

    RegionalSettings settings;
    settings.decimalSeparator = utf8(locale.decimalPoint());
    settings.groupSeparator = utf8(locale.groupSeparator());
    settings.currencySymbol = utf8(symbol);
    settings.currencyDecimals = currencyDecimals(positive, locale);
    settings.negativeCurrency = negative.contains(u'(') ? RegionalSettings::NegativeCurrency::Parentheses
                                                        : RegionalSettings::NegativeCurrency::LeadingMinus;

    const qsizetype at = positive.indexOf(symbol);
    if (symbol.isEmpty() || at < 0) return settings;
    settings.currencySymbolFirst = at == 0;
    // The character between symbol and number: a blank of any kind (often a no-break space) spaces them.
    const qsizetype neighbour = settings.currencySymbolFirst ? at + symbol.size() : at - 1;
    settings.currencySymbolSpaced = neighbour >= 0 && neighbour < positive.size() && positive[neighbour].isSpace();
    return settings;
}

void adoptUserRegionalSettings() { setRegionalSettings(regionalSettingsFor(QLocale::system())); }

}  // namespace orvanta
