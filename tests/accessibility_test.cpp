#include "program_fixture.h"

#include <QAccessible>
#include <QLabel>

namespace orvanta {
namespace {

// What a screen reader speaks for a control: its accessible name, or what Qt derives from it.
QString spokenName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
}

// Every control of the window that the program designed (Qt's own parts are named qt_...).
void expectEveryControlSpoken(QWidget& window) {
    SCOPED_TRACE(window.objectName().toStdString());
    int controls = 0;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) continue;
        ++controls;
        EXPECT_FALSE(spokenName(control).isEmpty()) << name.toStdString();
    }
    EXPECT_GT(controls, 8);
}

using Accessibility = ProgramTest;

TEST_F(Accessibility, EveryControlOfTheThreeWindowsHasAName) {
    expectEveryControlSpoken(entry());
    EXPECT_EQ(spokenName(entry().txtAmount), "Amount");  // a text box by the label above it

    type("100000", "6", "30");
    click(entry().cmdCalculate);
    settle();
    ASSERT_TRUE(isLoaded<frmOutput>());
    expectEveryControlSpoken(result());
    EXPECT_EQ(spokenName(result().lblAmount), "$100,000.00");

    whileModal = [](Window& splash) {
        expectEveryControlSpoken(splash);
        QTest::keyClick(&splash, Qt::Key_Space);
    };
    click(result().cmdCredits);
    settle();
}

}  // namespace
}  // namespace orvanta
