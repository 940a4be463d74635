#include "schedule.h"

#include <cmath>
#include <cstdint>

#include "fault_check.h"
#include "number_text.h"
#include "text_to_number.h"

namespace orvanta {

namespace {

double MonthlyRate(const std::string& rate) { return CheckedQuotient(CheckedQuotient(TextToDouble(rate), 100), 12); }

double Months(const std::string& terms) { return CheckedProduct(TextToDouble(terms), 12); }

// 1 - (1 + r)^-nper. Through log1p and expm1 where the logarithm exists, so that a tiny rate
// still counts instead of vanishing in 1 + r and leaving a zero divisor.
double AnnuityDiscount(double r, double nper) {
    if (r > -1) return -Checked(std::expm1(CheckedProduct(-nper, std::log1p(r))));
    return CheckedDifference(1, CheckedPower(1 + r, -nper));
}

// The level payment that repays the present value pv (negative for money received) in nper
// periods at rate r, paid at the end of each period.
double AnnuityPayment(double r, double nper, double pv) {
    if (r == 0) return CheckedQuotient(-pv, nper);
    return CheckedQuotient(CheckedProduct(-pv, r), AnnuityDiscount(r, nper));
}

std::string MonthRow(int month, float payment, float interest, float principal, float balance) {
    std::string row = IntegerToText(static_cast<std::int16_t>(month));
    row += '\t';
    row += FormatCurrency(payment);
    row += '\t';
    row += FormatPercentPattern(interest);
    row += '\t';
    row += FormatCurrency(principal);
    row += '\t';
    row += FormatCurrency(balance);
    return row;
}

}  // namespace

void CalculateSchedule(const std::string& amount, const std::string& rate, const std::string& terms,
                       ScheduleView& view) {
    std::string balanceText = amount;
    const double pv = -TextToDouble(amount);
    const double nper = Months(terms);
    const double r = MonthlyRate(rate);
    const float payment = CheckedSingle(AnnuityPayment(r, nper, pv));

    const double monthlyRate = MonthlyRate(rate);
    float interest = CheckedSingle(CheckedProduct(TextToDouble(balanceText), monthlyRate));
    float principal = CheckedSingle(CheckedDifference(payment, interest));
    float balance = CheckedSingle(CheckedDifference(TextToDouble(amount), principal));

    view.setCaption(SummaryLabel::Amount, FormatCurrency(amount));
    view.setCaption(SummaryLabel::Rate, FormatPercentPattern(rate));
    view.setCaption(SummaryLabel::Terms, terms + "(" + DoubleToText(Months(terms)) + " months)");
    view.setCaption(SummaryLabel::Payment, FormatCurrency(payment) + "/mo");

    view.AddItem("Month\tPayment\tInterest\tPrinciple\tBalance\t");
    view.AddItem("0\t\t\t\t" + FormatCurrency(amount) + "\t");
    view.setFixedRows(1);

    // A wide counter, so that the step after month 32767 ends the loop instead of overflowing.
    const int lastMonth = DoubleToInteger(Months(terms));
    for (int month = 1; month <= lastMonth; ++month) {
        view.AddItem(MonthRow(month, payment, interest, principal, balance));
        // The balance is carried to the next month through its text, as it is shown nowhere else.
        balanceText = SingleToText(balance);
        interest = CheckedSingle(CheckedProduct(TextToDouble(balanceText), MonthlyRate(rate)));
        principal = CheckedSingle(CheckedDifference(payment, interest));
        balance = CheckedSingle(CheckedDifference(balance, principal));
    }
}

}  // namespace orvanta
