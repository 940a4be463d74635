#pragma once

// Runs the program's start-up for a window test, with the dialogs, the modal waits and End
// answered by the test instead of a user.
#include "controls/text_box.h"
#include "services/message_box.h"
#include "services/program_end.h"
#include "windows/frm_main.h"
#include "windows/frm_output.h"
#include "windows/frm_splash.h"
#include "windows/start_up.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace orvanta {

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        setMessageBoxResponder([this](const MessageBoxRequest& box) { return answer(box); });
        setEndHandler([this](int exitStatus) {
            ++ends;
            endStatus = exitStatus;
        });
        Window::setModalResponder([this](Window& window) {
            if (whileModal) {
                auto once = std::move(whileModal);
                whileModal = nullptr;
                once(window);
            } else {
                pressKey(window, Qt::Key_Space);
            }
        });
        Main();
        settle();
    }

    void TearDown() override {
        EXPECT_TRUE(answers.empty()) << "a queued answer was never asked for";
        if (isLoaded<frmOutput>()) windowInstance<frmOutput>().Unload();
        if (isLoaded<frmMain>()) {
            answers = {MsgBoxAnswer::Yes};  // the entry window's Unload asks before it goes
            windowInstance<frmMain>().Unload();
        }
        settle();
        EXPECT_FALSE(isLoaded<frmMain>());
        Window::setModalResponder({});
        setMessageBoxResponder({});
        setEndHandler({});
    }

    // Lets posted events run, deferred deletes included, as the event loop would.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void pressKey(QWidget& target, Qt::Key key) { QTest::keyClick(&target, key); }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void type(const QString& amount, const QString& rate, const QString& terms) {
        QTest::keyClicks(entry().txtAmount, amount);
        QTest::keyClicks(entry().txtRate, rate);
        QTest::keyClicks(entry().txtTerms, terms);
    }

    // Replaces the entries, as a user selecting each and typing would.
    static void enter(const QString& amount, const QString& rate, const QString& terms) {
        entry().txtAmount->setText(amount);
        entry().txtRate->setText(rate);
        entry().txtTerms->setText(terms);
    }

    static frmMain& entry() { return windowInstance<frmMain>(); }
    static frmOutput& result() { return windowInstance<frmOutput>(); }

    static QStringList entries() {
        return {entry().txtAmount->text(), entry().txtRate->text(), entry().txtTerms->text()};
    }

    // Every control designed on the window lies within its client area, so none is cut off.
    static void expectEveryControlWithin(QWidget& window) {
        for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) continue;
            EXPECT_TRUE(window.rect().contains(control->geometry())) << control->objectName().toStdString();
        }
    }

    std::vector<MessageBoxRequest> boxes;     // every message box, in order
    std::deque<MsgBoxAnswer> answers;         // answers to give to Yes/No boxes, in order
    int ends = 0;                             // calls of End
    int endStatus = -1;                       // the exit status passed to the last End
    std::function<void(Window&)> whileModal;  // runs inside the next modal wait instead of a key
    std::function<void()> questionFault;      // raised by the next question instead of an answer

private:
    MsgBoxAnswer answer(const MessageBoxRequest& box) {
        boxes.push_back(box);
        if (box.style != MsgBoxStyle::YesNoExclamation) return MsgBoxAnswer::Ok;
        if (questionFault) std::exchange(questionFault, nullptr)();
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << box.prompt.toStdString();
            return MsgBoxAnswer::No;
        }
        const MsgBoxAnswer next = answers.front();
        answers.pop_front();
        return next;
    }
};

}  // namespace orvanta
