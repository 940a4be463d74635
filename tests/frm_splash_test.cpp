#include "frm_splash.h"
#include "clickable_frame.h"
#include "twips.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <functional>

namespace orvanta {
namespace {

// Shows the credits window modal, as every caller does, and runs insideWait in its modal wait.
// Returns whether the window was still loaded once insideWait was done; if so it is then dismissed.
class CreditsWindow : public testing::Test {
protected:
    void TearDown() override { Window::setModalResponder({}); }

    bool stillUpAfter(const std::function<void(frmSplash&)>& insideWait) {
        bool stillUp = false;
        Window::setModalResponder([&](Window& window) {
            insideWait(dynamic_cast<frmSplash&>(window));
            QCoreApplication::processEvents();
            stillUp = isLoaded<frmSplash>() && window.isVisible();
            if (stillUp) QTest::keyClick(&window, Qt::Key_Space);
        });
        windowInstance<frmSplash>().Show(Window::Modal);
        EXPECT_FALSE(isLoaded<frmSplash>()) << "the window is unloaded once dismissed";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return stillUp;
    }
};

TEST_F(CreditsWindow, EveryKeyThatYieldsACharacterDismissesIt) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_A, Qt::Key_7}) {
        SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << key);
        EXPECT_FALSE(stillUpAfter([key](frmSplash& splash) { QTest::keyClick(&splash, key); }));
    }
}

TEST_F(CreditsWindow, KeysThatYieldNoCharacterDoNothing) {
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Control}) {
        SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << key);
        EXPECT_TRUE(stillUpAfter([key](frmSplash& splash) { QTest::keyClick(&splash, key); }));
    }
}

TEST_F(CreditsWindow, AClickOnTheFramesFreeAreaDismissesIt) {
    EXPECT_FALSE(stillUpAfter([](frmSplash& splash) {
        const QPoint freeArea = pointFromTwips(6600, 600);
        ASSERT_EQ(splash.Frame1->childAt(freeArea), nullptr);
        QTest::mouseClick(splash.Frame1, Qt::LeftButton, {}, freeArea);
    }));
}

TEST_F(CreditsWindow, AClickOnALabelOrThePictureDoesNothing) {
    const std::vector<std::function<QWidget*(frmSplash&)>> targets = {
        [](frmSplash& s) { return s.Label1; }, [](frmSplash& s) { return s.imgOrvanta; },
        [](frmSplash& s) { return s.lblProductName[0]; }, [](frmSplash& s) { return s.lblOwner; }};
    for (const auto& target : targets) {
        EXPECT_TRUE(stillUpAfter([&](frmSplash& splash) {
            QWidget* control = target(splash);
            SCOPED_TRACE(control->objectName().toStdString());
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
        }));
    }
}

TEST_F(CreditsWindow, IsCentredTakesNoFocusAndDrawsTheTitleOnItsShadowAndTheHintOnThePicture) {
    EXPECT_FALSE(stillUpAfter([](frmSplash& splash) {
        EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        for (QWidget* control : splash.findChildren<QWidget*>())
            EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();

        const QObjectList& stack = splash.Frame1->children();  // bottom to top
        EXPECT_GT(stack.indexOf(splash.lblProductName[0]), stack.indexOf(splash.lblProductName[1]));
        EXPECT_GT(stack.indexOf(splash.Label1), stack.indexOf(splash.imgOrvanta));
        EXPECT_EQ(splash.lblProductName[1]->pos() - splash.lblProductName[0]->pos(), QPoint(3, 3));
        QTest::keyClick(&splash, Qt::Key_Space);
    }));
}

TEST_F(CreditsWindow, ASecondShowingLooksTheSameAsTheFirst) {
    QImage first;
    QImage second;
    stillUpAfter([&](frmSplash& splash) {
        first = splash.grab().toImage();
        QTest::keyClick(&splash, Qt::Key_Space);
    });
    stillUpAfter([&](frmSplash& splash) {
        second = splash.grab().toImage();
        QTest::keyClick(&splash, Qt::Key_Space);
    });
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
}

}  // namespace
}  // namespace orvanta
