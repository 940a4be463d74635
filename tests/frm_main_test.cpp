#include "program_fixture.h"

#include "controls/schedule_grid.h"

#include <QLabel>
#include <QSignalSpy>

namespace orvanta {
namespace {

const QString invalidDataMessage = "Please make sure you enter valid data into each field.";

class EntryWindow : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        entry().activateWindow();  // the offscreen platform gives no window back the focus by itself
        ASSERT_TRUE(QTest::qWaitForWindowActive(&entry()));
    }

    // Counts the showings of the result window, so that one never seen can be told apart.
    struct ResultShowings : QObject {
        ResultShowings() { qApp->installEventFilter(this); }
        ~ResultShowings() override { qApp->removeEventFilter(this); }
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && watched->objectName() == "frmOutput") ++count;
            return false;
        }
        int count = 0;
    };
};

TEST_F(EntryWindow, LoadWritesTheDirectionsAsFiveLines) {
    EXPECT_EQ(entry().lblDir->text(),
              "Directions:\r\n"
              "* Amount - the amount you want to borrow.\r\n"
              "* Rate - interest rate that you will pay.\r\n"
              "* Terms - number of years you want to borrow the money for.\r\n"
              "After entering the Terms, press Enter or click Next.");
    EXPECT_EQ(entry().windowTitle(), "Orvanta");
}

TEST_F(EntryWindow, EveryControlLiesWithinTheWindow) { expectEveryControlWithin(entry()); }

TEST_F(EntryWindow, EnterInTheTermsIsNextAndStillReachesTheTextBox) {
    QSignalSpy enterReachedTerms(entry().txtTerms, &TextBox::returnPressed);
    pressKey(*entry().txtTerms, Qt::Key_Return);  // all empty: refused, as a click would be
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].prompt, invalidDataMessage);
    EXPECT_EQ(enterReachedTerms.count(), 1);

    type("100000", "6", "30");
    pressKey(*entry().txtTerms, Qt::Key_Return);
    settle();
    ASSERT_TRUE(isLoaded<frmOutput>());
    EXPECT_TRUE(result().isVisible());
    EXPECT_EQ(result().lblPayment->text(), "$599.55/mo");
    EXPECT_EQ(enterReachedTerms.count(), 2);
}

TEST_F(EntryWindow, EnterInTheAmountOrRateStartsNothing) {
    type("100000", "6", "30");
    pressKey(*entry().txtAmount, Qt::Key_Return);
    pressKey(*entry().txtRate, Qt::Key_Enter);
    settle();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(isLoaded<frmOutput>());
    EXPECT_TRUE(entry().isVisible());
}

// Unusable entries are refused with the message; a calculation fault is reported and the partly filled
// result window dropped unseen. Either way the entries wait as typed for a correction.
TEST_F(EntryWindow, RefusedEntriesAndCalculationFaultsLeaveTheEntriesAsTyped) {
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"", "6", "30"}, invalidDataMessage},
        {{"100000", "", "30"}, invalidDataMessage},
        {{"100000", "6", ""}, invalidDataMessage},
        {{"   ", "6", "30"}, invalidDataMessage},
        {{"12a", "6", "30"}, invalidDataMessage},
        {{"100000", "6", "0"}, "Run-time error '11':\n\nDivision by zero"},
        {{"100000", "6", "2731"}, "Run-time error '6':\n\nOverflow"},
        {{"1E39", "6", "30"}, "Run-time error '6':\n\nOverflow"},
    };
    for (const auto& [typed, report] : cases) {
        SCOPED_TRACE(typed.join('|').toStdString());
        enter(typed[0], typed[1], typed[2]);
        boxes.clear();
        ResultShowings showings;
        click(entry().cmdCalculate);
        settle();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, report);
        EXPECT_EQ(boxes[0].style, report == invalidDataMessage ? MsgBoxStyle::Information : MsgBoxStyle::Critical);
        EXPECT_EQ(boxes[0].title, "Orvanta");
        EXPECT_EQ(ends, 0);
        EXPECT_EQ(showings.count, 0);
        EXPECT_FALSE(isLoaded<frmOutput>());
        EXPECT_TRUE(entry().isVisible());
        EXPECT_EQ(entries(), typed);
    }

    enter("100000", "6", "30");
    click(entry().cmdCalculate);
    settle();
    ASSERT_TRUE(isLoaded<frmOutput>());
    EXPECT_TRUE(result().isVisible());
    EXPECT_EQ(result().FGrid->Rows(), 362);
}

}  // namespace
}  // namespace orvanta
