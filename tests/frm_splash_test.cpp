#include "windows/frm_splash.h"
#include "controls/clickable_frame.h"
#include "services/twips.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
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

// Only a key that yields a character dismisses it.
TEST_F(CreditsWindow, KeysThatYieldACharacterDismissItOthersDoNothing) {
    const std::pair<Qt::Key, bool> keys[] = {{Qt::Key_Return, true},  {Qt::Key_Escape, true}, {Qt::Key_Space, true},
                                             {Qt::Key_A, true},       {Qt::Key_7, true},      {Qt::Key_Left, false},
                                             {Qt::Key_Down, false},   {Qt::Key_F1, false},    {Qt::Key_Shift, false},
                                             {Qt::Key_Control, false}};
    for (const auto& [key, dismisses] : keys) {
        SCOPED_TRACE(testing::Message() << "key 0x" << std::hex << key);
        EXPECT_EQ(stillUpAfter([key](frmSplash& splash) { QTest::keyClick(&splash, key); }), !dismisses);
    }
}

// A click on the frame where no control lies dismisses it; one on a label or the picture does nothing.
TEST_F(CreditsWindow, OnlyAClickOnTheFramesFreeAreaDismissesIt) {
    const struct {
        QWidget* (*control)(frmSplash&);
        QPoint at;
        bool dismisses;
    } clicks[] = {
        {[](frmSplash& s) -> QWidget* { return s.Frame1; }, pointFromTwips(6600, 600), true},
        {[](frmSplash& s) -> QWidget* { return s.Label1; }, {4, 4}, false},
        {[](frmSplash& s) -> QWidget* { return s.imgOrvanta; }, {4, 4}, false},
        {[](frmSplash& s) -> QWidget* { return s.lblProductName[0]; }, {4, 4}, false},
        {[](frmSplash& s) -> QWidget* { return s.lblOwner; }, {4, 4}, false},
    };
    for (const auto& click : clicks) {
        EXPECT_EQ(stillUpAfter([&](frmSplash& splash) {
                      QWidget* control = click.control(splash);
                      SCOPED_TRACE(control->objectName().toStdString());
                      ASSERT_EQ(control->childAt(click.at), nullptr);
                      QTest::mouseClick(control, Qt::LeftButton, {}, click.at);
                  }),
                  !click.dismisses);
    }
}

TEST_F(CreditsWindow, IsCentredTakesNoFocusAndDrawsTheTitleOnItsShadowAndTheHintOnThePicture) {
    EXPECT_FALSE(stillUpAfter([](frmSplash& splash) {
        EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        EXPECT_TRUE(
            splash.Frame1->geometry().contains(splash.rect()));  // its top lies above, its bottom on the last row
        for (QWidget* control : splash.findChildren<QWidget*>())
            EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();

        const QObjectList& stack = splash.Frame1->children();  // bottom to top
        EXPECT_GT(stack.indexOf(splash.lblProductName[0]), stack.indexOf(splash.lblProductName[1]));
        EXPECT_GT(stack.indexOf(splash.Label1), stack.indexOf(splash.imgOrvanta));
        EXPECT_EQ(splash.lblProductName[1]->pos() - splash.lblProductName[0]->pos(), QPoint(3, 3));

        // The owner's credit stands in the middle of its box, as far from either side.
        const QImage owner = splash.lblOwner->grab().toImage();
        int left = owner.width();
        int right = -1;
        for (int y = 0; y < owner.height(); ++y) {
            for (int x = 0; x < owner.width(); ++x) {
                if (owner.pixel(x, y) == owner.pixel(0, 0)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        EXPECT_GT(right, left);
        EXPECT_NEAR(left, owner.width() - 1 - right, 2);
        QTest::keyClick(&splash, Qt::Key_Space);
    }));
}

}  // namespace
}  // namespace orvanta
