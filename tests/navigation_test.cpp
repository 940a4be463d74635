#include "program_fixture.h"

#include "controls/schedule_grid.h"

#include <QLabel>

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
        enter("100000", "6", "30");
        click(entry().cmdCalculate);
        settle();
        ASSERT_TRUE(isLoaded<frmOutput>());
    }
};

// The credits come up modal over either window and go, leaving it as it was.
TEST_F(Navigation, CreditsComeAndGoOverEitherWindow) {
    for (const bool fromResult : {false, true}) {
        SCOPED_TRACE(fromResult ? "result window" : "entry window");
        fromResult ? goToResult() : enter("1", "2", "3");
        QWidget& beneath = fromResult ? static_cast<QWidget&>(result()) : entry();
        const QStringList typed = entries();
        bool seen = false;
        whileModal = [&](Window& splash) {
            seen = true;
            EXPECT_EQ(splash.objectName(), "frmSplash");
            EXPECT_TRUE(beneath.isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), &splash);
            pressKey(splash, Qt::Key_Return);
        };
        click(fromResult ? result().cmdCredits : entry().cmdCredits);
        settle();
        EXPECT_TRUE(seen) << "the credits window was not shown modal";
        fromResult ? expectResultState() : expectEntryState();
        EXPECT_EQ(entries(), typed);
        if (fromResult) {
            EXPECT_EQ(result().FGrid->Rows(), 362);
        }
    }
    EXPECT_TRUE(boxes.empty());
}

// ... and where the user last moved the entry window: it is centred only when first shown.
TEST_F(Navigation, BackAndTheResultWindowsCloseBoxBothReturnToTheEntriesAsTyped) {
    entry().move(entry().pos() + QPoint(40, 30));
    const QPoint moved = entry().pos();
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
        EXPECT_EQ(entry().pos(), moved);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Navigation, NextShowsTheFilledResultInPlaceOfTheEntriesEachTimeFromAFreshWindow) {
    for (const char* time : {"first", "after < Back"}) {
        SCOPED_TRACE(time);
        if (isLoaded<frmOutput>()) click(result().cmdBack);
        goToResult();
        expectResultState();
        EXPECT_EQ(result().lblAmount->text(), "$100,000.00");
        EXPECT_EQ(result().FGrid->Rows(), 362);
        EXPECT_EQ(result().FGrid->cellText(1, 0), "0");
    }
    EXPECT_TRUE(boxes.empty());
}

struct ExitWay {
    const char* name;
    bool onResult;
    bool byCloseBox;
};

void PrintTo(const ExitWay& way, std::ostream* out) { *out << way.name; }

class Exit : public Navigation, public testing::WithParamInterface<ExitWay> {};

// Each way asks once (on the result window the hidden entry window does not ask as well): No changes
// nothing, Yes ends the program.
TEST_P(Exit, AsksOnceAndEndsOnYesOnly) {
    const ExitWay& way = GetParam();
    const auto leave = [&](MsgBoxAnswer answer) {
        boxes.clear();
        answers = {answer};
        if (way.byCloseBox) {
            entry().close();
        } else {
            click(way.onResult ? result().cmdExit : entry().cmdExit);
        }
        settle();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].prompt, exitQuestion);
        EXPECT_EQ(boxes[0].style, MsgBoxStyle::YesNoExclamation);
        EXPECT_EQ(boxes[0].title, "Orvanta");
    };
    way.onResult ? goToResult() : enter("1", "2", "3");
    const QStringList typed = entries();
    leave(MsgBoxAnswer::No);
    EXPECT_EQ(ends, 0);
    way.onResult ? expectResultState() : expectEntryState();
    EXPECT_EQ(entries(), typed);

    leave(MsgBoxAnswer::Yes);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endStatus, 0);
}

INSTANTIATE_TEST_SUITE_P(Navigation, Exit,
                         testing::Values(ExitWay{"Exit", false, false}, ExitWay{"CloseBox", false, true},
                                         ExitWay{"ExitOnTheResultWindow", true, false}),
                         [](const testing::TestParamInfo<ExitWay>& info) { return info.param.name; });

}  // namespace
}  // namespace orvanta
