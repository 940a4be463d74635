#include "calc/schedule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calc/fault_check.h"
#include "calc/number_text.h"
#include "calc/text_to_number.h"

namespace orvanta {

namespace {

double monthlyRateOf(double rate) { return checkedQuotient(checkedQuotient(rate, 100), 12); }

double monthsOf(double terms) { return checkedProduct(terms, 12); }

// 1 - (1 + r)^-nper. Through log1p and expm1 where the logarithm exists, so that a tiny rate
// still counts instead of vanishing in 1 + r and leaving a zero divisor.
double annuityDiscount(double r, double nper) {
    if (r > -1) return -checked(std::expm1(checkedProduct(-nper, std::log1p(r))));
    return checkedDifference(1, checkedPower(1 + r, -nper));
}

// The level payment that repays the present value pv (negative for money received) in nper
// periods at rate r, paid at the end of each period.
double annuityPayment(double r, double nper, double pv) {
    if (r == 0) return checkedQuotient(-pv, nper);
    return checkedQuotient(checkedProduct(-pv, r), annuityDiscount(r, nper));
}

std::string monthRow(int month, float payment, float interest, float principal, float balance) {
    std::string row = integerToText(static_cast<std::int16_t>(month));
    row += '\t';
    row += formatCurrency(payment);
    row += '\t';
    row += formatPercentPattern(interest);
    row += '\t';
    row += formatCurrency(principal);
    row += '\t';
    row += formatCurrency(balance);
    return row;
}

// The terms as typed start their caption. No label shows more than a few dozen characters, so of
// an entry pasted a megabyte long only the start is copied, cut where a character begins.
std::string termsCaption(std::string_view terms, double months) {
    constexpr std::size_t longestShown = 1024;  // bytes
    std::size_t end = std::min(terms.size(), longestShown);
    while (end > 0 && end < terms.size() && (static_cast<unsigned char>(terms[end]) & 0xC0) == 0x80) --end;
    return std::string(terms.substr(0, end)) + "(" + doubleToText(months) + " months)";
}

}  // namespace

// Each entry is read once: the texts cannot change during one calculation, so every later use of
// an entry would read the same number again, and a pasted entry of a million characters would be
// read once more each month.
void CalculateSchedule(std::string_view amount, std::string_view rate, std::string_view terms, ScheduleView& view) {
    const double amountValue = textToDouble(amount);
    const double pv = -amountValue;
    const double termsValue = textToDouble(terms);
    const double nper = monthsOf(termsValue);
    const double rateValue = textToDouble(rate);
    const double monthlyRate = monthlyRateOf(rateValue);
    const float payment = checkedSingle(annuityPayment(monthlyRate, nper, pv));

    float interest = checkedSingle(checkedProduct(amountValue, monthlyRate));  // the balance text starts as the amount
    float principal = checkedSingle(checkedDifference(payment, interest));
    float balance = checkedSingle(checkedDifference(amountValue, principal));

    view.setCaption(SummaryLabel::Amount, formatCurrency(amountValue));
    view.setCaption(SummaryLabel::Rate, formatPercentPattern(rateValue));
    view.setCaption(SummaryLabel::Terms, termsCaption(terms, monthsOf(termsValue)));
    view.setCaption(SummaryLabel::Payment, formatCurrency(payment) + "/mo");

    view.AddItem("Month\tPayment\tInterest\tPrinciple\tBalance\t");
    // Month 0 is written as the months are, in the locale's digits.
    view.AddItem(integerToText(0) + "\t\t\t\t" + formatCurrency(amountValue) + "\t");
    view.setFixedRows(1);

    // A wide counter, so that the step after month 32767 ends the loop instead of overflowing.
    const int lastMonth = doubleToInteger(monthsOf(termsValue));
    for (int month = 1; month <= lastMonth; ++month) {
        view.AddItem(monthRow(month, payment, interest, principal, balance));
        // The balance is carried to the next month through its text, as it is shown nowhere else.
        const std::string balanceText = singleToText(balance);
        interest = checkedSingle(checkedProduct(textToDouble(balanceText), monthlyRate));
        principal = checkedSingle(checkedDifference(payment, interest));
        balance = checkedSingle(checkedDifference(balance, principal));
    }
}

}  // namespace orvanta
