#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "run_time_error.h"
#include "schedule.h"
#include "text_to_number.h"
#include "validation.h"

namespace orvanta {
namespace {

// Checks the shape of every row as it arrives, without keeping 32769 rows per case.
class CheckingView : public ScheduleView {
public:
    void setCaption(SummaryLabel, const std::string& text) override { check(text); }
    void AddItem(const std::string& item) override {
        check(item);
        const auto tabs = std::count(item.begin(), item.end(), '\t');
        EXPECT_EQ(tabs, rows < 2 ? 5 : 4) << item;
        ++rows;
    }
    void setFixedRows(int) override {}

    int rows = 0;

private:
    static void check(const std::string& text) {
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    }
};

// Entry texts built from the pieces numbers are made of, put together in odd ways.
class HostileText {
public:
    explicit HostileText(unsigned seed) : random_(seed) {}

    // Half of the texts are well-formed numbers, some of them with a piece put in somewhere.
    std::string next() {
        if (chance(2)) return pieces();
        std::string text = number();
        if (chance(3)) text.insert(pick(text.size() + 1), pieces());
        return text;
    }

    // Mostly short terms, so that most schedules run to their end.
    std::string nextTerms() {
        if (chance(4)) return next();
        return std::to_string(static_cast<double>(pick(81)) / 4 - 10);
    }

private:
    bool chance(int oneIn) { return pick(static_cast<std::size_t>(oneIn)) == 0; }
    std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

    std::string number() {
        static const std::vector<std::string> signs = {"", "", "-", "+", "$", "-$", "("};
        const std::string sign = signs[pick(signs.size())];
        std::string text = sign;
        text += std::to_string(pick(1000));
        for (std::size_t groups = pick(4); groups > 0; --groups) {
            text += ',';
            text += std::to_string(100 + pick(900));
        }
        if (chance(2)) {
            text += '.';
            text += std::to_string(pick(100000));
        }
        if (chance(4)) {
            text += chance(2) ? 'E' : 'D';
            text += std::to_string(static_cast<int>(pick(80)) - 40);
        }
        if (chance(40)) {
            text += 'E';
            text += std::to_string(pick(100000));
        }
        if (sign == "(") text += ")";
        return text;
    }

    std::string pieces() {
        static const std::vector<std::string> all = {"0",
                                                     "1",
                                                     "5",
                                                     "9",
                                                     "12",
                                                     "999",
                                                     ",",
                                                     ".",
                                                     "-",
                                                     "+",
                                                     "(",
                                                     ")",
                                                     "$",
                                                     "E",
                                                     "e",
                                                     "D",
                                                     "E+",
                                                     "E-",
                                                     " ",
                                                     "\t",
                                                     "\u00A0",
                                                     "\u20AC",
                                                     "a",
                                                     "x",
                                                     "\xff",
                                                     std::string(1, '\0'),
                                                     "000000000000000000000000000001",
                                                     "99999999999999999999999999999999999999",
                                                     "E99999999999999999999",
                                                     "E-99999999999999999999",
                                                     "E308",
                                                     "E-320",
                                                     "1,000",
                                                     "3.5"};
        std::string text;
        for (std::size_t length = pick(9); length > 0; --length) {
            text += chance(10) ? std::string(1, static_cast<char>(pick(256))) : all[pick(all.size())];
        }
        return text;
    }

    std::mt19937 random_;
};

TEST(HostileInput, NumericTestAgreesWithConversion) {
    HostileText texts(20261208);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = texts.next();
        bool converted = true;
        try {
            textToDouble(text);
        } catch (const RunTimeError& error) {
            converted = false;
            EXPECT_TRUE(error.number() == 13 || error.number() == 6) << error.number();
        }
        EXPECT_EQ(isNumeric(text), converted) << '"' << text << '"';
    }
}

TEST(HostileInput, EveryEntryValidatesOrSchedulesOrStopsWithARunTimeError) {
    HostileText texts(1208);
    int schedules = 0;
    int runTimeErrors = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string amount = texts.next();
        const std::string rate = texts.next();
        const std::string terms = texts.nextTerms();
        if (!ValidateData(amount, rate, terms)) continue;
        CheckingView view;
        try {
            CalculateSchedule(amount, rate, terms, view);
            ++schedules;
            EXPECT_GE(view.rows, 2);
        } catch (const RunTimeError& error) {
            ++runTimeErrors;
            EXPECT_TRUE(error.number() == 5 || error.number() == 6 || error.number() == 11)
                << error.number() << " for " << amount << " / " << rate << " / " << terms;
        }
    }
    // The generator must reach both outcomes, or the property says little.
    EXPECT_GT(schedules, 100);
    EXPECT_GT(runTimeErrors, 10);
}

}  // namespace
}  // namespace orvanta
