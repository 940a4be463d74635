#include "program_fixture.h"

#include "schedule_grid.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

namespace orvanta {
namespace {

const QString exitQuestion = "Are you sure you want to exit the program?";

class Navigation : public ProgramTest {
protected:
    void expectEntryState() {
        EXPECT_TRUE(entry().isVisible());
        EXPECT_FALSE(isLoaded<frmOutput>());
        EXPECT_FALSE(isLoaded<frmSplash>());
    }

    void expectResultState() {
        EXPECT_FALSE(entry().isVisible());
        ASSERT_TRUE(isLoaded<frmOutput>());
        EXPECT_TRUE(result().isVisible());
        EXPECT_FALSE(isLoaded<frmSplash>());
    }

    void goToResult() {
        type("100000", "6", "30");
        click(entry().cmdCalculate);
        settle();
        ASSERT_TRUE(isLoaded<frmOutput>());
    }

    void expectOneExitQuestion() {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, exitQuestion);
        EXPECT_EQ(boxes[0].style, MsgBoxStyle::YesNoExclamation);
        EXPECT_EQ(boxes[0].title, "Orvanta");
    }

    // Runs action with a check inside the credits window's modal wait; the window is then dismissed by a key.
    void duringCredits(const std::function<void()>& action, const std::function<void(frmSplash&)>& check) {
        bool seen = false;
        whileModal = [&](Window& window) {
            seen = true;
            auto& splash = dynamic_cast<frmSplash&>(window);
            check(splash);
            pressKey(splash, Qt::Key_Return);
        };
        action();
        settle();
        EXPECT_TRUE(seen) << "the credits window was not shown modal";
    }
};

TEST(StartUp, ShowsTheEntryWindowBeneathTheModalCreditsWindowAndReturnsWhenItIsDismissed) {
    bool seen = false;
    Window::setModalResponder([&](Window& window) {
        seen = true;
        EXPECT_EQ(window.objectName(), "frmSplash");
        EXPECT_TRUE(windowInstance<frmMain>().isVisible());
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &window);
        EXPECT_FALSE(isLoaded<frmOutput>());
        EXPECT_FALSE(windowInstance<frmMain>().lblDir->text().isEmpty()) << "the entry window was loaded first";
        QTest::keyClick(&window, Qt::Key_A);
    });
    Main();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(isLoaded<frmSplash>());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(windowInstance<frmMain>().isVisible());

    Window::setModalResponder({});
    setMessageBoxResponder([](const MessageBoxRequest&) { return MsgBoxAnswer::Yes; });
    setEndHandler([](int) {});
    windowInstance<frmMain>().Unload();
    setMessageBoxResponder({});
    setEndHandler({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(Navigation, CreditsFromTheEntryWindowComeAndGoOverIt) {
    type("1", "2", "3");
    duringCredits([&] { click(entry().cmdCredits); },
                  [&](frmSplash& splash) {
                      EXPECT_TRUE(entry().isVisible());
                      EXPECT_EQ(QApplication::activeModalWidget(), &splash);
                  });
    expectEntryState();
    EXPECT_EQ(entries(), QStringList({"1", "2", "3"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Navigation, ExitAndTheEntryWindowsCloseBoxChangeNothingOnNoAndEndOnYes) {
    for (const bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox ? "close box" : "Exit");
        const auto leave = [&] {
            boxes.clear();
            if (byCloseBox)
                entry().close();
            else
                click(entry().cmdExit);
            settle();
            expectOneExitQuestion();
        };
        for (QLineEdit* box : {entry().txtAmount, entry().txtRate, entry().txtTerms}) box->clear();
        type("1", "2", "3");
        answers = {MsgBoxAnswer::No};
        leave();
        EXPECT_EQ(ends, 0);
        expectEntryState();
        EXPECT_EQ(entries(), QStringList({"1", "2", "3"}));

        answers = {MsgBoxAnswer::Yes};
        leave();
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(endStatus, 0);
        ends = 0;
    }
}

TEST_F(Navigation, BackAndTheResultWindowsCloseBoxBothReturnToTheEntriesAsTyped) {
    for (const bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox ? "close box" : "< Back");
        goToResult();
        if (byCloseBox) {
            result().close();
        } else {
            click(result().cmdBack);
        }
        settle();
        expectEntryState();
        EXPECT_EQ(entries(), QStringList({"100000", "6", "30"}));
        entry().txtAmount->clear();
        entry().txtRate->clear();
        entry().txtTerms->clear();
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Navigation, NextShowsTheFilledResultInPlaceOfTheEntriesEachTimeFromAFreshWindow) {
    for (const char* time : {"first", "after < Back"}) {
        SCOPED_TRACE(time);
        if (isLoaded<frmOutput>()) click(result().cmdBack);
        settle();
        entry().txtAmount->setText("100000");
        entry().txtRate->setText("6");
        entry().txtTerms->setText("30");
        click(entry().cmdCalculate);
        settle();
        expectResultState();
        EXPECT_EQ(result().lblAmount->text(), "$100,000.00");
        EXPECT_EQ(result().FGrid->Rows(), 362);
        EXPECT_EQ(result().FGrid->cellText(1, 0), "0");
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Navigation, CreditsFromTheResultWindowReturnToItUnchanged) {
    goToResult();
    const QString payment = result().lblPayment->text();
    duringCredits([&] { click(result().cmdCredits); },
                  [&](frmSplash& splash) {
                      EXPECT_TRUE(result().isVisible());
                      EXPECT_FALSE(entry().isVisible());
                      EXPECT_EQ(QApplication::activeModalWidget(), &splash);
                  });
    expectResultState();
    EXPECT_EQ(result().lblPayment->text(), payment);
    EXPECT_EQ(result().FGrid->Rows(), 362);
}

TEST_F(Navigation, ExitFromTheResultWindowAsksOnceAndEndsOnYesOnly) {
    goToResult();
    answers = {MsgBoxAnswer::No};
    click(result().cmdExit);
    expectOneExitQuestion();
    EXPECT_EQ(ends, 0);
    expectResultState();

    boxes.clear();
    answers = {MsgBoxAnswer::Yes};
    click(result().cmdExit);
    expectOneExitQuestion();  // the hidden entry window does not ask as well
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endStatus, 0);
}

// No button is a default button, yet the focused one takes Enter as well as Space, on both windows.
TEST_F(Navigation, EnterKeypadEnterAndSpacePressTheFocusedButton) {
    const auto presses = [this](QPushButton* button, Qt::Key key) {
        QSignalSpy clicked(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        settle();
        return clicked.count();
    };
    type("100000", "6", "30");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << key);
        answers = {MsgBoxAnswer::No};
        EXPECT_EQ(presses(entry().cmdExit, key), 1);
        EXPECT_EQ(presses(entry().cmdCredits, key), 1);
        EXPECT_EQ(presses(entry().cmdCalculate, key), 1);
        expectResultState();

        answers = {MsgBoxAnswer::No};
        EXPECT_EQ(presses(result().cmdExit, key), 1);
        EXPECT_EQ(presses(result().cmdCredits, key), 1);
        EXPECT_EQ(presses(result().cmdBack, key), 1);
        expectEntryState();
        EXPECT_EQ(boxes.size(), 2u);  // the two exit questions
        boxes.clear();
    }
}

}  // namespace
}  // namespace orvanta
