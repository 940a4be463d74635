#include <gtest/gtest.h>
#include <QCryptographicHash>

#include <fstream>
#include <sstream>

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

std::string monthRow(const RecordingView& view, int month) { return view.items.at(month + 1); }

TEST(WorkedExample, FixedRowIsSetOnceTheHeaderAndOpeningRowsStand) {
    const RecordingView view = schedule("100000", "6", "30");
    EXPECT_EQ(view.fixedRows, 1);
    EXPECT_EQ(view.itemsWhenFixed, 2u);
}

// The captions in label order, then every grid row: the form tests/golden/generate.py writes.
std::string scheduleText(const RecordingView& view) {
    std::string text;
    for (const auto label : {SummaryLabel::Amount, SummaryLabel::Rate, SummaryLabel::Terms, SummaryLabel::Payment}) {
        text += view.captions.at(label) + '\n';
    }
    for (const std::string& item : view.items) text += item + '\n';
    return text;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Whole schedules worked out without the program by tests/golden/generate.py, which emulates
// the 32-bit stores and the 7-digit balance text; the longest loan is kept as a hash.
TEST(GoldenSchedules, EveryRowAgreesWithTheIndependentComputation) {
    const struct {
        const char *amount, *rate, *terms, *kept;
    } loans[] = {{"100000", "6", "30", "txt"},
                 {"250000", "3.875", "15", "txt"},
                 {"25000000", "0.125", "2730.58333333333", "sha256"}};
    for (const auto& loan : loans) {
        const std::string name = std::string("loan_") + loan.amount + "_" + loan.rate + "_" + loan.terms;
        SCOPED_TRACE(name);
        std::ifstream file(std::string(ORVANTA_GOLDEN_DIR) + "/" + name + "." + loan.kept);
        ASSERT_TRUE(file) << "missing golden file";
        const std::string expected{std::istreambuf_iterator<char>(file), {}};
        const std::string actual = scheduleText(schedule(loan.amount, loan.rate, loan.terms));

        if (std::string_view(loan.kept) == "sha256") {
            const QByteArray hash =
                QCryptographicHash::hash(QByteArray::fromStdString(actual), QCryptographicHash::Sha256);
            EXPECT_EQ(hash.toHex().toStdString() + '\n', expected);
            continue;
        }
        const std::vector<std::string> want = linesOf(expected), got = linesOf(actual);
        EXPECT_EQ(got.size(), want.size());
        const auto [first, _] = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
        if (first != want.end()) {
            const auto line = first - want.begin();
            ADD_FAILURE() << "first difference on line " << line + 1 << ": expected \"" << *first << "\", got \""
                          << (static_cast<std::size_t>(line) < got.size() ? got[line] : "") << '"';
        }
    }
}

TEST(ScheduleLength, MonthCountRoundsHalfToEven) {
    EXPECT_EQ(schedule("1000", "5", "0.04").items.size(), 2u);  // 0.48 months
    EXPECT_EQ(schedule("1000", "5", "2.5").items.size(), 32u);
    EXPECT_EQ(schedule("1000", "5", "0.125").items.size(), 4u);  // 1.5 months: 2
    EXPECT_EQ(schedule("1000", "5", "0.375").items.size(), 6u);  // 4.5 months: 4
    EXPECT_EQ(schedule("1000", "5", "2.5").captions.at(SummaryLabel::Terms), "2.5(30 months)");
}

// A pasted terms entry is not copied whole into its caption: the start, cut where a character begins.
TEST(ScheduleLength, LongTermsCaptionKeepsTheStartAndTheMonths) {
    const std::string zeros = "2.5" + std::string(1 << 20, '0');
    EXPECT_EQ(schedule("1000", "5", zeros).captions.at(SummaryLabel::Terms), zeros.substr(0, 1024) + "(30 months)");
    std::string fullWidth = "\uFF12\uFF0E\uFF15";  // "2.5" typed on a CJK layout, three bytes a character
    for (int i = 0; i < 1000; ++i) fullWidth += "\uFF10";
    EXPECT_EQ(schedule("1000", "5", fullWidth).captions.at(SummaryLabel::Terms),
              fullWidth.substr(0, 341 * 3) + "(30 months)");
}

TEST(UnusualLoans, ZeroRateSplitsTheAmountEvenly) {
    const RecordingView view = schedule("1200", "0", "1");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "$100.00/mo");
    EXPECT_EQ(monthRow(view, 1), "1\t$100.00\t% 0.00\t$100.00\t$1,100.00");
    EXPECT_EQ(monthRow(view, 12), "12\t$100.00\t% 0.00\t$100.00\t$0.00");
}

TEST(UnusualLoans, NegativeAmountGivesNegativePayment) {
    const RecordingView view = schedule("-100000", "6", "30");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "($100,000.00)");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "($599.55)/mo");
    EXPECT_EQ(monthRow(view, 1), "1\t($599.55)\t% -500.00\t($99.55)\t($99,900.45)");
}

TEST(UnusualLoans, TinyRateStillCounts) {
    // 1 + r equals 1 in doubles here; the payment must still be amount / months, not a fault.
    const RecordingView view = schedule("36000", "1E-15", "30");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "$100.00/mo");
}

TEST(UnusualLoans, LargeBalanceIsCarriedThroughExponentText) {
    const RecordingView view = schedule("1E+20", "12", "1");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "$100,000,000,000,000,000,000.00");
    ASSERT_EQ(view.items.size(), 14u);
    // Month 2's interest comes from the 7-digit text of a balance near 9.2E+19.
    EXPECT_NE(monthRow(view, 2).find("\t% 921151187980386304.00\t"), std::string::npos) << monthRow(view, 2);
}

TEST(UnusualLoans, LocaleTextsThroughout) {
    const RegionalSettingsGuard guard(germanSettings());
    const RecordingView view = schedule("100.000", "6,5", "2,5");
    EXPECT_EQ(view.captions.at(SummaryLabel::Amount), "100.000,00\u00A0\u20AC");
    EXPECT_EQ(view.captions.at(SummaryLabel::Rate), "% 6,50");
    EXPECT_EQ(view.captions.at(SummaryLabel::Terms), "2,5(30 months)");
    EXPECT_EQ(view.captions.at(SummaryLabel::Payment), "3.620,50\u00A0\u20AC/mo");
    // 100000 at 6.5 % over 30 months; the first month's interest is 541.67, the rest repays.
    EXPECT_EQ(monthRow(view, 1), "1\t3.620,50\u00A0\u20AC\t% 541,67\t3.078,83\u00A0\u20AC\t96.921,17\u00A0\u20AC");
    EXPECT_EQ(view.items.size(), 32u);
}

// Under Arabic-Indic digits every month number, the opening row's 0 included, is written in them.
TEST(UnusualLoans, MonthNumbersInTheLocalesDigits) {
    const NumberForm arabic{.zeroDigit = U'\u0660', .decimalSeparator = "\u066B", .groupSeparator = "\u066C"};
    const RegionalSettingsGuard guard(RegionalSettings{.number = arabic, .money = arabic});
    const RecordingView view = schedule("\u0661\u0662\u0660\u0660", "\u0666", "\u0660\u066B\u0662\u0665");
    ASSERT_EQ(view.items.size(), 5u);
    for (const auto& [row, month] : {std::pair{1, "\u0660"}, {2, "\u0661"}, {4, "\u0663"}}) {
        EXPECT_EQ(view.items[row].substr(0, view.items[row].find('\t')), month) << "row " << row;
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
        {"100000", "6", "-2731", 6},    // fewer than -32768
        {"100000", "6", "1E308", 6},    // far beyond any count
        {"100000", "-1200", "30", 11},  // (1 + r) is zero
        {"100000", "-1300", "0.1", 5},  // a negative base to a fractional power
        {"abc", "6", "30", 13},         // no number: a type mismatch
        {"100000", "6", "", 13},        // nothing entered
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
