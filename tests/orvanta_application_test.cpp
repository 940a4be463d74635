// The program's application object, started by a user with English messages and German numbers
// and money: it names the program and takes the regional settings from the numeric and monetary
// categories, so entries and results are written the German way.
#include "program_fixture.h"

#include "app/orvanta_application.h"
#include "calc/run_time_error.h"

#include <QIcon>
#include <QLabel>

namespace orvanta {
namespace {

using ApplicationInGerman = ProgramTest;

TEST_F(ApplicationInGerman, NamesTheProgramAndGivesEveryWindowItsIcon) {
    EXPECT_EQ(QApplication::applicationName(), "Orvanta");
    EXPECT_EQ(QApplication::applicationVersion(), "1.00");
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed()) << "only a Yes to the exit question ends it";
    const QIcon icon = entry().windowIcon();
    EXPECT_EQ(icon.pixmap(16).size(), QSize(16, 16));
    EXPECT_EQ(icon.pixmap(32).size(), QSize(32, 32));
}

// A run-time error raised in a handler (here by a message box that fails) is reported where Qt
// calls the handler, through the connections the windows make themselves, and ends with status 1.
TEST_F(ApplicationInGerman, ARunTimeErrorInAHandlerIsReportedWhereQtCallsItAndEndsWithStatusOne) {
    struct Way {
        const char* name;
        std::function<void()> raise;
        RunTimeError fault;
        QString report;
    };
    const std::vector<Way> ways = {
        {"Exit button", [&] { click(entry().cmdExit); }, RunTimeError::overflow(), "Run-time error '6':\n\nOverflow"},
        {"close box", [&] { entry().close(); }, RunTimeError::divisionByZero(),
         "Run-time error '11':\n\nDivision by zero"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        boxes.clear();
        ends = 0;
        questionFault = [&way] { throw way.fault; };
        way.raise();
        ASSERT_EQ(boxes.size(), 2u) << "the question, then the report";
        EXPECT_EQ(boxes[1].prompt, way.report);
        EXPECT_EQ(boxes[1].title, "Orvanta");
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(endStatus, 1);
        EXPECT_TRUE(isLoaded<frmMain>());
    }
}

TEST_F(ApplicationInGerman, ReadsGermanEntriesAndWritesEuros) {
    type("100.000", "6,5", "30");
    pressKey(*entry().txtTerms, Qt::Key_Return);
    settle();
    ASSERT_TRUE(boxes.empty()) << boxes.front().prompt.toStdString();
    ASSERT_TRUE(isLoaded<frmOutput>());
    EXPECT_EQ(result().lblAmount->text(), "100.000,00\u00A0\u20AC");
    EXPECT_EQ(result().lblRate->text(), "% 6,50");
    EXPECT_EQ(result().lblPayment->text(), "632,07\u00A0\u20AC/mo");
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LC_MESSAGES", "C");
    for (const char* overriding : {"LC_ALL", "LC_NUMERIC", "LC_MONETARY", "LANGUAGE"}) qunsetenv(overriding);
    testing::InitGoogleTest(&argc, argv);
    orvanta::OrvantaApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
