#include <gtest/gtest.h>
#include <QCryptographicHash>

#include <array>
#include <fstream>

#include "calc/regional_settings.h"
#include "calc/run_time_error.h"
#include "calc/schedule.h"
#include "german_settings.h"
#include "recording_view.h"
#include "regional_settings_guard.h"

namespace orvanta {
namespace {

RecordingView schedule(const std::string& amount, const std::string& rate, const std::string& terms) {
    RecordingView view;
    CalculateSchedule(amount, rate, terms, view);
    return view;
}

// Whole schedules worked out without the program by tests/golden/generate.py, which emulates
// the 32-bit stores and the 7-digit balance text; the longest loan is kept as a hash.
TEST(GoldenSchedules, EveryRowAgreesWithTheIndependentComputation) {
    using Loan = std::array<const char*, 4>;  // amount, rate, terms, how the file keeps it
    for (const auto& [amount, rate, terms, kept] :
         {Loan{"100000", "6", "30", "txt"}, Loan{"250000", "3.875", "15", "txt"},
          Loan{"25000000", "0.125", "2730.58333333333", "sha256"}}) {
        const std::string name = std::string("loan_") + amount + "_" + rate + "_" + terms + "." + kept;
        std::ifstream file(std::string(ORVANTA_GOLDEN_DIR) + "/" + name);
        ASSERT_TRUE(file) << "missing golden file " << name;
        const std::string expected{std::istreambuf_iterator<char>(file), {}};
        const RecordingView view = schedule(amount, rate, terms);
        std::string actual;  // the captions in label order, then every grid row
        for (const auto& [label, caption] : view.captions) actual += caption + '\n';
        for (const std::string& item : view.items) actual += item + '\n';
        if (std::string_view(kept) == "sha256") {
            actual = QCryptographicHash::hash(QByteArray::fromStdString(actual), QCryptographicHash::Sha256)
                         .toHex()
                         .toStdString()
                     + '\n';
        }
        EXPECT_EQ(actual, expected) << name;
    }
}

// Months round half to even. Of a terms entry pasted a megabyte long the caption keeps the start,
// cut where a character begins.
TEST(ScheduleLength, MonthsRoundHalfToEvenAndALongTermsCaptionIsCut) {
    for (const auto& [terms, rows] : {std::pair{"0.04", 2u}, {"0.125", 4u}, {"0.375", 6u}}) {  // 0.48, 1.5, 4.5
        EXPECT_EQ(schedule("1000", "5", terms).items.size(), rows) << terms;
    }
    std::string fullWidth = "\uFF12\uFF0E\uFF15";  // "2.5" typed on a CJK layout, three bytes a character
    for (int i = 0; i < 350000; ++i) fullWidth += "\uFF10";
    EXPECT_EQ(schedule("1000", "5", fullWidth).captions.at(SummaryLabel::Terms),
              fullWidth.substr(0, 341 * 3) + "(30 months)");
}

// One row of each unusual loan; month 0 is the opening row.
TEST(UnusualLoans, RowsAsWorkedOut) {
    const NumberForm arabic{.zeroDigit = U'\u0660', .decimalSeparator = "\u066B", .groupSeparator = "\u066C"};
    const RegionalSettings egypt{.number = arabic, .money = arabic};
    // Its interest comes from the 7-digit text of a balance near 9.2E+19.
    const char* large =
        "2\t$8,884,879,135,906,725,888.00\t% 921151187980386304.00\t$7,963,728,085,365,293,056.00\t"
        "$84,151,395,110,719,848,448.00";
    const struct {
        RegionalSettings settings;
        const char *amount, *rate, *terms;
        std::size_t month;
        const char* row;
    } table[] = {
        {{}, "1200", "0", "1", 12, "12\t$100.00\t% 0.00\t$100.00\t$0.00"},           // no interest: even parts
        {{}, "36000", "1E-15", "30", 1, "1\t$100.00\t% 0.00\t$100.00\t$35,900.00"},  // 1 + r is 1 in doubles
        {{}, "-100000", "6", "30", 1, "1\t($599.55)\t% -500.00\t($99.55)\t($99,900.45)"},
        {{}, "1E+20", "12", "1", 2, large},
        {germanSettings(), "100.000", "6,5", "2,5", 1,
         "1\t3.620,50\u00A0\u20AC\t% 541,67\t3.078,83\u00A0\u20AC\t96.921,17\u00A0\u20AC"},
        {egypt, "\u0661\u0662\u0660\u0660", "\u0660", "\u0660\u066B\u0662\u0665", 0,
         "\u0660\t\t\t\t$\u0661\u066C\u0662\u0660\u0660\u066B\u0660\u0660\t"},  // 0 in the locale's digits
        {egypt, "\u0661\u0662\u0660\u0660", "\u0660", "\u0660\u066B\u0662\u0665", 3,
         "\u0663\t$\u0664\u0660\u0660\u066B\u0660\u0660\t% "
         "\u0660\u066B\u0660\u0660\t$\u0664\u0660\u0660\u066B\u0660\u0660\t$\u0660\u066B\u0660\u0660"},
    };
    for (const auto& loan : table) {
        const RegionalSettingsGuard guard(loan.settings);
        const RecordingView view = schedule(loan.amount, loan.rate, loan.terms);
        EXPECT_EQ(view.items.at(loan.month + 1), loan.row) << loan.amount << ' ' << loan.rate << ' ' << loan.terms;
        EXPECT_EQ(view.fixedRows, 1);  // set once the header and the opening row stand
        EXPECT_EQ(view.itemsWhenFixed, 2u);
    }
}

// Each fault ends the calculation with its run-time error.
TEST(RunTimeErrors, EndTheCalculation) {
    const struct {
        const char *amount, *rate, *terms;
        int error;
    } faults[] = {
        {"100000", "6", "0", 11},       // the payment divides by zero
        {"100000", "0", "0", 11},       // at no rate as well
        {"0", "0", "0", 5},             // 0 / 0
        {"1E39", "6", "30", 6},         // beyond a 32-bit float
        {"100000", "6", "2731", 6},     // more than 32767 months
        {"100000", "6", "1E308", 6},    // far beyond any count
        {"100000", "-1200", "30", 11},  // (1 + r) is zero
        {"100000", "-1300", "0.1", 5},  // a negative base to a fractional power
        {"abc", "6", "30", 13},         // no number: a type mismatch
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(testing::Message() << '"' << fault.amount << "\" \"" << fault.rate << "\" \"" << fault.terms
                                        << '"');
        RecordingView view;
        try {
            CalculateSchedule(fault.amount, fault.rate, fault.terms, view);
            ADD_FAILURE() << "expected run-time error " << fault.error;
        } catch (const RunTimeError& error) {
            EXPECT_EQ(error.number(), fault.error) << error.what();
        }
    }
}

}  // namespace
}  // namespace orvanta
