#include "services/locale_regional_settings.h"

#include <QLocale>

namespace orvanta {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

// Qt's sample texts, one code point each, so that digits beyond the BMP count once.
class Sample {
public:
    Sample(const QString& text, const QLocale& locale)
        : text_(text.toStdU32String()), zero_(locale.zeroDigit().toStdU32String().at(0)) {}

    bool isDigit(qsizetype i) const {
        const char32_t c = text_[static_cast<std::size_t>(i)];
        return c >= zero_ && c <= zero_ + 9;
    }
    qsizetype size() const { return static_cast<qsizetype>(text_.size()); }
    qsizetype firstDigit() const {
        qsizetype i = 0;
        while (i < size() && !isDigit(i)) ++i;
        return i;
    }
    qsizetype lastDigit() const {
        qsizetype i = size() - 1;
        while (i >= 0 && !isDigit(i)) --i;
        return i;
    }
    QString mid(qsizetype from, qsizetype length = -1) const {
        return QString::fromStdU32String(text_.substr(
            static_cast<std::size_t>(from), length < 0 ? std::u32string::npos : static_cast<std::size_t>(length)));
    }

private:
    std::u32string text_;
    char32_t zero_;
};

qsizetype codePoints(const QString& text) { return static_cast<qsizetype>(text.toStdU32String().size()); }

// Group sizes as Qt writes the lower groups; its top group is wrong in 6.4 ("1000.000" for es_ES).
void readGrouping(const QLocale& locale, NumberForm& form) {
    const QString separator = locale.groupSeparator();
    const QStringList groups = locale.toString(123456789LL).split(separator);
    if (separator.isEmpty() || groups.size() < 2) {
        form.groupSeparator.clear();
        return;
    }
    form.primaryGroup = static_cast<int>(codePoints(groups[groups.size() - 1]));
    form.secondaryGroup =
        groups.size() > 2 ? static_cast<int>(codePoints(groups[groups.size() - 2])) : form.primaryGroup;
    long long smallestGrouped = 1;
    for (int i = 0; i < form.primaryGroup; ++i) smallestGrouped *= 10;
    for (form.minimumGrouping = 1; form.minimumGrouping < 3; ++form.minimumGrouping, smallestGrouped *= 10) {
        if (locale.toString(smallestGrouped).contains(separator)) break;
    }
}

NumberForm numberFormOf(const QLocale& locale) {
    NumberForm form;
    form.zeroDigit = locale.zeroDigit().toStdU32String().at(0);
    form.decimalSeparator = utf8(locale.decimalPoint());
    form.groupSeparator = utf8(locale.groupSeparator());
    form.minusSign = utf8(locale.negativeSign());
    readGrouping(locale, form);
    return form;
}

// The text around the digits of Qt's own amount. Where the locale has neither symbol nor code,
// Qt leaves a blank for it, which is dropped.
CurrencyPattern patternOf(const Sample& sample, bool symbolless) {
    const qsizetype first = sample.firstDigit();
    const qsizetype last = sample.lastDigit();
    if (last < first) return {};
    QString prefix = sample.mid(0, first);
    QString suffix = sample.mid(last + 1);
    if (symbolless) {
        prefix = prefix.trimmed();
        suffix = suffix.trimmed();
    }
    return {utf8(prefix), utf8(suffix)};
}

// The decimals of Qt's own amount: the last run of digits, if the decimal separator leads it.
int currencyDecimals(const Sample& sample, const QLocale& locale) {
    const qsizetype last = sample.lastDigit();
    qsizetype first = last;
    while (first > 0 && sample.isDigit(first - 1)) --first;
    const QString point = locale.decimalPoint();
    const qsizetype pointLength = codePoints(point);
    if (last < 0 || first < pointLength || sample.mid(first - pointLength, pointLength) != point) return 0;
    return static_cast<int>(last - first + 1);
}

void readMoney(const QLocale& locale, RegionalSettings& settings) {
    settings.money = numberFormOf(locale);
    QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (symbol.isEmpty()) symbol = locale.currencySymbol(QLocale::CurrencyIsoCode);
    settings.currencySymbol = utf8(symbol);
    const Sample positive(locale.toCurrencyString(1234.5), locale);
    settings.currencyDecimals = currencyDecimals(positive, locale);
    settings.positiveCurrency = patternOf(positive, symbol.isEmpty());
    settings.negativeCurrency = patternOf(Sample(locale.toCurrencyString(-1234.5), locale), symbol.isEmpty());
}

bool isC(const QLocale& locale) { return locale.language() == QLocale::C; }

}  // namespace

RegionalSettings regionalSettingsFor(const QLocale& numbers, const QLocale& money) {
    const RegionalSettings unitedStates = RegionalSettings::unitedStates();
    RegionalSettings settings = unitedStates;
    if (!isC(numbers)) settings.number = numberFormOf(numbers);
    if (!isC(money)) readMoney(money, settings);
    return settings;
}

RegionalSettings regionalSettingsFor(const QLocale& locale) { return regionalSettingsFor(locale, locale); }

QLocale categoryLocale(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) return QLocale(name);
    }
    return QLocale::c();
}

void adoptUserRegionalSettings() {
    setRegionalSettings(regionalSettingsFor(categoryLocale("LC_NUMERIC"), categoryLocale("LC_MONETARY")));
}

}  // namespace orvanta
