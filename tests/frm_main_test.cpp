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

    static QWidget* focused() { return QApplication::focusWidget(); }

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

TEST_F(EntryWindow, FocusStartsInTheAmountAndTabGoesRoundTheEntriesAndButtons) {
    EXPECT_EQ(focused(), entry().txtAmount);
    const std::vector<QWidget*> round = {entry().txtRate, entry().txtTerms,   entry().cmdCalculate,
                                         entry().cmdExit, entry().cmdCredits, entry().txtAmount};
    for (QWidget* expected : round) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), expected) << "expected " << expected->objectName().toStdString() << ", got "
                                       << (focused() ? focused()->objectName().toStdString() : "nothing");
    }
}

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

// Qt's text box would cut an entry off at 32767 characters without a word.
TEST_F(EntryWindow, TextBoxesTakeEntriesOfAnyLength) {
    const QString longAmount = "1" + QString(40000, '0');
    entry().txtAmount->setText(longAmount);
    EXPECT_EQ(entry().txtAmount->text(), longAmount);
}

TEST_F(EntryWindow, UnusableEntriesAreRefusedWithTheMessageAndLeftAsTyped) {
    const std::vector<QStringList> cases = {
        {"", "6", "30"}, {"100000", "", "30"}, {"100000", "6", ""}, {"   ", "6", "30"}, {"12a", "6", "30"}};
    for (const QStringList& typed : cases) {
        SCOPED_TRACE(typed.join('|').toStdString());
        enter(typed[0], typed[1], typed[2]);
        boxes.clear();
        click(entry().cmdCalculate);
        settle();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, invalidDataMessage);
        EXPECT_EQ(boxes[0].style, MsgBoxStyle::Information);
        EXPECT_EQ(boxes[0].title, "Orvanta");
        EXPECT_TRUE(entry().isVisible());
        EXPECT_FALSE(isLoaded<frmOutput>());
        EXPECT_EQ(entries(), typed);
    }
}

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

// A calculation fault is reported, the partly filled result window is dropped unseen, and the
// entries wait as typed for a correction.
TEST_F(EntryWindow, ACalculationFaultIsReportedAndTheEntriesComeBackAsTyped) {
    struct Fault {
        QStringList typed;
        QString report;
    };
    const std::vector<Fault> faults = {
        {{"100000", "6", "0"}, "Run-time error '11':\n\nDivision by zero"},
        {{"100000", "6", "2731"}, "Run-time error '6':\n\nOverflow"},
        {{"1E39", "6", "30"}, "Run-time error '6':\n\nOverflow"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.typed.join('|').toStdString());
        enter(fault.typed[0], fault.typed[1], fault.typed[2]);
        boxes.clear();
        ResultShowings showings;

        click(entry().cmdCalculate);
        settle();

        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, fault.report);
        EXPECT_EQ(boxes[0].title, "Orvanta");
        EXPECT_EQ(ends, 0);
        EXPECT_EQ(showings.count, 0);
        EXPECT_FALSE(isLoaded<frmOutput>());
        EXPECT_TRUE(entry().isVisible());
        EXPECT_EQ(entries(), fault.typed);
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
