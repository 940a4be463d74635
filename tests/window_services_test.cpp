#include "programming_error.h"
#include "services/message_box.h"
#include "services/program_end.h"
#include "services/window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <vector>

namespace orvanta {
namespace {

// A window that counts its handlers and can refuse to unload.
class frmProbe : public Window {
public:
    frmProbe() { entry = new QLineEdit(this); }
    void Form_Load() override { ++loads; }
    void Form_Unload(std::int16_t& cancel) override {
        ++unloads;
        cancel = cancelUnload;
    }
    QLineEdit* entry;
    int loads = 0;
    int unloads = 0;
    std::int16_t cancelUnload = 0;
};

// A second window class, to check that instances are per class.
class frmOther : public Window {};

// Leaves no instance behind for the next test.
void unloadProbe() {
    if (isLoaded<frmProbe>()) {
        windowInstance<frmProbe>().cancelUnload = 0;
        windowInstance<frmProbe>().Unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WindowServices : public testing::Test {
protected:
    void TearDown() override {
        Window::setModalResponder({});
        setMessageBoxResponder({});
        setEndHandler({});
        unloadProbe();
    }
};

TEST_F(WindowServices, FirstReferenceCreatesAndLoadsOneInstancePerClass) {
    EXPECT_FALSE(isLoaded<frmProbe>());
    frmProbe& first = windowInstance<frmProbe>();
    EXPECT_TRUE(isLoaded<frmProbe>());
    EXPECT_EQ(&first, &windowInstance<frmProbe>());
    EXPECT_EQ(first.loads, 1);
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(isLoaded<frmOther>());
}

TEST_F(WindowServices, UnloadDiscardsTheWindowAndTheNextReferenceBuildsAFreshOne) {
    windowInstance<frmProbe>().entry->setText("typed");
    QPointer<frmProbe> first = &windowInstance<frmProbe>();
    first->Show();

    EXPECT_TRUE(first->Unload());
    EXPECT_EQ(first->unloads, 1);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(isLoaded<frmProbe>());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    frmProbe& fresh = windowInstance<frmProbe>();
    EXPECT_EQ(fresh.loads, 1);
    EXPECT_EQ(fresh.entry->text(), "");
}

TEST_F(WindowServices, UnloadAndTheCloseBoxRaiseUnloadWhoseCancelFlagKeepsTheWindowAsItWas) {
    const std::vector<std::pair<const char*, std::function<void(frmProbe&)>>> ways = {
        {"Unload", [](frmProbe& probe) { probe.Unload(); }}, {"close box", [](frmProbe& probe) { probe.close(); }}};
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        frmProbe& probe = windowInstance<frmProbe>();
        probe.entry->setText("typed");
        probe.Show();
        probe.cancelUnload = 1;
        leave(probe);
        EXPECT_EQ(probe.unloads, 1);
        EXPECT_TRUE(isLoaded<frmProbe>());
        EXPECT_TRUE(probe.isVisible());
        EXPECT_EQ(probe.entry->text(), "typed");

        probe.cancelUnload = 0;
        leave(probe);
        EXPECT_EQ(probe.unloads, 2);
        EXPECT_FALSE(isLoaded<frmProbe>());
        unloadProbe();
    }
}

// Stops the test run if a modal wait is still on after two seconds, as nothing else would end it.
class StrandedWaitWatchdog {
public:
    StrandedWaitWatchdog() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [] { qFatal("the modal wait was stranded"); });
        timer_.start(2000);
    }

private:
    QTimer timer_;
};

TEST_F(WindowServices, ModalShowEndsHoweverTheWindowGoes) {
    struct Way {
        const char* name;
        std::function<void(Window&)> dismiss;
        bool loadedAfter;
    };
    const std::vector<Way> ways = {
        {"Hide", [](Window& shown) { shown.Hide(); }, true},
        {"Qt's hide()", [](Window& shown) { shown.hide(); }, true},
        {"Unload", [](Window& shown) { shown.Unload(); }, false},
        {"close box", [](Window& shown) { shown.close(); }, false},
        {"destroyed", [](Window& shown) { delete &dynamic_cast<frmProbe&>(shown); }, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Window::setModalResponder([&way](Window& shown) {
            EXPECT_EQ(QApplication::activeModalWidget(), &shown);
            way.dismiss(shown);
        });
        StrandedWaitWatchdog watchdog;
        windowInstance<frmProbe>().Show();  // up already: shown modal, it is modal all the same
        windowInstance<frmProbe>().Show(Window::Modal);
        EXPECT_EQ(isLoaded<frmProbe>(), way.loadedAfter);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        unloadProbe();
    }
}

// Minimized and restored by the user, the modal window still holds the wait, until it goes.
TEST_F(WindowServices, AModalWindowMinimizedAndRestoredStillHoldsTheWait) {
    bool hidden = false;
    Window::setModalResponder([&](Window& shown) {
        shown.showMinimized();
        QCoreApplication::processEvents();
        shown.showNormal();
        QCoreApplication::processEvents();
        QTimer::singleShot(50, &shown, [&] {
            hidden = true;
            shown.Hide();
        });
    });
    StrandedWaitWatchdog watchdog;
    windowInstance<frmProbe>().Show(Window::Modal);
    EXPECT_TRUE(hidden) << "the wait ended when the window was minimized";
    unloadProbe();
}

// A window designed 3000 x 1500 twips: 200 x 100 pixels at 15 twips a pixel.
class frmFixed : public Window {
public:
    frmFixed() { setFixedSingleBorder(3000, 1500); }
};

TEST_F(WindowServices, FixedSingleBorderKeepsTheClientAreaAtItsDesignedSize) {
    frmFixed& fixed = windowInstance<frmFixed>();
    fixed.Show();
    fixed.resize(400, 300);
    EXPECT_EQ(fixed.size(), QSize(200, 100));
    EXPECT_FALSE(fixed.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(fixed.windowFlags() & Qt::WindowMinimizeButtonHint);
    fixed.Unload();
}

TEST_F(WindowServices, ASecondModalShowDuringTheModalWaitIsRefused) {
    int waits = 0;
    bool secondShowReturned = false;
    Window::setModalResponder([&](Window& shown) {
        if (++waits > 1) {  // a second wait would be the fault: end it
            shown.Hide();
            return;
        }
        EXPECT_REFUSED(shown.Show(Window::Modal));
        secondShowReturned = true;
        EXPECT_TRUE(shown.isVisible()) << "the refused Show left the window as it was";
        EXPECT_EQ(QApplication::activeModalWidget(), &shown);
        shown.Hide();
    });
    StrandedWaitWatchdog watchdog;
    windowInstance<frmProbe>().Show(Window::Modal);
    EXPECT_TRUE(secondShowReturned);
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(windowInstance<frmProbe>().isVisible());
}

// The real box of each style, answered by a key as a user would, above the main window that is up.
TEST_F(WindowServices, RealBoxShowsTheIconAndButtonsOfItsStyleAndTakesKeys) {
    frmOther& owner = windowInstance<frmOther>();
    owner.Show();
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    const struct {
        MsgBoxStyle style;
        Qt::Key key;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        MsgBoxAnswer answer;
    } boxes[] = {
        {MsgBoxStyle::YesNoExclamation, Qt::Key_Return, QMessageBox::Warning, yesNo, MsgBoxAnswer::Yes},  // the default
        {MsgBoxStyle::YesNoExclamation, Qt::Key_Escape, QMessageBox::Warning, yesNo, MsgBoxAnswer::No},
        {MsgBoxStyle::Information, Qt::Key_Return, QMessageBox::Information, QMessageBox::Ok, MsgBoxAnswer::Ok},
        {MsgBoxStyle::Critical, Qt::Key_Return, QMessageBox::Critical, QMessageBox::Ok, MsgBoxAnswer::Ok},
    };
    for (const auto& box : boxes) {
        SCOPED_TRACE(testing::Message() << "style " << static_cast<int>(box.style) << ", key 0x" << std::hex
                                        << box.key);
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->windowTitle(), "Orvanta");
            EXPECT_EQ(shown->text(), "Are you sure you want to exit the program?");
            EXPECT_EQ(shown->icon(), box.icon);
            EXPECT_EQ(shown->standardButtons(), box.buttons);
            EXPECT_EQ(shown->windowHandle()->transientParent(), owner.windowHandle());
            checked = true;
            QTest::keyClick(shown, box.key);
        });
        EXPECT_EQ(MsgBox("Are you sure you want to exit the program?", box.style, "Orvanta"), box.answer);
        EXPECT_TRUE(checked);
    }
    owner.Unload();
}

// A window that would speak up if anything closed it.
class frmNoisy : public Window {
public:
    void Form_Unload(std::int16_t&) override { std::fputs("unload ran\n", stderr); }
};

TEST(WindowServicesDeathTest, EndExitsWithTheGivenStatusAndRunsNoUnloadHandler) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int status : {0, 1}) {
        EXPECT_EXIT(
            {
                windowInstance<frmNoisy>().Show();
                End(status);
            },
            testing::ExitedWithCode(status), testing::Not(testing::HasSubstr("unload ran")));
    }
}

}  // namespace
}  // namespace orvanta
