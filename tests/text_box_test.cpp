#include "controls/text_box.h"

#include "qt_print.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace orvanta {
namespace {

const QString large(EditBuffer::largeEdit + 1, '0');

// Chooses an entry of the box's context menu, as a click on it would.
void chooseFromMenu(TextBox& box, const char* caption) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().section('\t', 0, 0) == QCoreApplication::translate("QLineEdit", caption)) action->trigger();
    }
    menu->close();
}

struct LargeEdit {
    const char* name;
    QString before;  // typed when short; a large text is set and selected
    std::function<void(TextBox&)> edit;
    QString after;
    QString clipboard;
};

void PrintTo(const LargeEdit& edit, std::ostream* out) { *out << edit.name; }

class LargeEdits : public ::testing::TestWithParam<LargeEdit> {};

// A large edit cannot be undone and starts a fresh history, so nothing before it can be undone either:
// by the keys of old and the menu, which the line edit comparison takes to shorter texts only.
TEST_P(LargeEdits, ReplaceTheTextAndStartAFreshHistory) {
    const LargeEdit& edit = GetParam();
    TextBox box(nullptr);
    box.show();
    if (edit.before.size() > EditBuffer::largeEdit) {
        box.setText(edit.before);
        box.selectAll();
    } else {
        QTest::keyClicks(&box, edit.before);
    }
    QApplication::clipboard()->setText(large);
    edit.edit(box);
    EXPECT_EQ(box.text(), edit.after);
    EXPECT_FALSE(box.isUndoAvailable());
    EXPECT_EQ(QApplication::clipboard()->text(), edit.clipboard);
}

INSTANTIATE_TEST_SUITE_P(
    TextBox, LargeEdits,
    ::testing::Values(
        LargeEdit{"ShiftInsert", "12", [](TextBox& box) { QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier); },
                  "12" + large, large},
        LargeEdit{"MenuPaste", "12", [](TextBox& box) { chooseFromMenu(box, "&Paste"); }, "12" + large, large},
        LargeEdit{"MenuCut", "1" + large, [](TextBox& box) { chooseFromMenu(box, "Cu&t"); }, "", "1" + large},
        LargeEdit{"MenuDelete", "1" + large, [](TextBox& box) { chooseFromMenu(box, "Delete"); }, "", large}),
    [](const ::testing::TestParamInfo<LargeEdit>& info) { return info.param.name; });

// Enter is told and passed on to the window.
TEST(TextBoxKeys, EnterIsToldAndPassedOn) {
    TextBox box(nullptr);
    QSignalSpy returnPressed(&box, &TextBox::returnPressed);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(&box, &enter);
    EXPECT_EQ(returnPressed.count(), 1);
    EXPECT_FALSE(enter.isAccepted());
}

// Only the characters in sight are laid out and have a place on the screen, through a megabyte.
TEST(TextBoxView, OnlyTheCharactersInSightHaveAPlace) {
    TextBox box(nullptr);
    box.resize(80, 24);
    box.show();
    box.setText("1" + QString(1 << 20, '0') + "5");
    const int last = static_cast<int>(box.text().size()) - 1;
    EXPECT_TRUE(box.characterRect(0).isNull());                 // scrolled away
    EXPECT_TRUE(box.rect().contains(box.characterRect(last)));  // a null rectangle lies nowhere
    QTest::keyClick(&box, Qt::Key_Home);
    EXPECT_TRUE(box.characterRect(last).isNull());
    EXPECT_TRUE(box.rect().contains(box.characterRect(0)));
    EXPECT_LT(box.characterRect(0).left(), 8);
}

// What an input method is composing shows, underlined, before it is committed into the text.
TEST(TextBoxInputMethod, ComposingTextShowsUnderlinedAndGoesInOnCommit) {
    TextBox box(nullptr);
    box.resize(120, 24);
    box.show();
    QTest::keyClicks(&box, "1");
    const QImage typed = box.grab().toImage();
    const auto compose = [&box](const QString& composing, const QString& commit) {
        QInputMethodEvent event(composing, {});
        event.setCommitString(commit);
        QApplication::sendEvent(&box, &event);
        return box.grab().toImage();
    };
    const QImage composing = compose("\uFF10\uFF10", "");
    EXPECT_EQ(box.text(), "1");
    EXPECT_NE(composing, typed);
    EXPECT_NE(compose("", "\uFF10\uFF10"), composing);  // committed: no underline
    EXPECT_EQ(box.text(), "1\uFF10\uFF10");
    EXPECT_EQ(compose("", ""), box.grab().toImage());
}

TEST(TextBoxMouse, DoubleClickSelectsAWordAndTextIsDroppedWhereItFalls) {
    TextBox box(nullptr);
    box.resize(200, 24);
    box.show();
    box.setText("100 000.5");
    QTest::mouseDClick(&box, Qt::LeftButton, {}, box.characterRect(5).topLeft() + QPoint(1, 1));
    EXPECT_EQ(box.selectedText(), "000");

    QMimeData dragged;
    dragged.setText("12");
    const QPoint point = box.characterRect(1).topLeft() + QPoint(1, 1);
    QDragEnterEvent enter(point, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(&box, &enter);
    QDropEvent drop(point, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(&box, &drop);
    EXPECT_EQ(box.text(), "11200 000.5");
}

// Drags the selection from one point to another with the mouse, as Qt's own drag loop sees it: a press
// on the selection and a move past the drag distance start it, and the drop happens while it runs.
void drag(TextBox& box, QPoint from, QWidget& target, QPoint to) {
    QWindow* window = box.window()->windowHandle();
    const QPoint start = box.mapTo(box.window(), from);
    const QPoint end = target.mapTo(box.window(), to);
    QTimer::singleShot(50, window, [window, end] {
        QTest::mouseMove(window, end);
        QTest::mouseRelease(window, Qt::LeftButton, {}, end);
    });
    QTimer::singleShot(5000, [] { QDrag::cancel(); });  // never hang
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    QTest::mouseMove(window, start + QPoint(QApplication::startDragDistance() + 2, 0));
}

// The selection dragged further on in the box moves there, as one step to undo; dropped onto itself
// it stays; dragged to another box it moves there, out of this one.
TEST(TextBoxMouse, DraggedSelectionMovesWithinTheBoxAndOut) {
    if (QGuiApplication::platformName() == "offscreen") GTEST_SKIP() << "no drag loop offscreen; run on xcb";
    QWidget window;
    auto* box = new TextBox(&window);
    auto* other = new QLineEdit(&window);
    box->setGeometry(0, 0, 200, 24);
    other->setGeometry(0, 40, 200, 24);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        QString text;
        int start, length, to;  // the selection, and the character whose left edge it is dropped at
        QString moved;
    } drags[] = {
        {"100 000.5", 0, 3, 8, " 000.1005"},
        {"1010", 0, 2, 4, "1010"},            // the same text comes back where it was taken from
        {"100 000.5", 4, 3, 4, "100 000.5"},  // onto its own start
        {"100 000.5", 4, 3, 6, "100 000.5"},  // within itself
    };
    for (const auto& [text, start, length, to, moved] : drags) {
        SCOPED_TRACE(text.toStdString() + " to " + std::to_string(to));
        box->setText(text);
        box->setSelection(start, length);
        const QRect target = to < text.size() ? box->characterRect(to) : box->characterRect(to - 1);
        drag(*box, box->characterRect(start + 1).center(), *box,
             (to < text.size() ? target.topLeft() : target.topRight()) + QPoint(1, 1));
        EXPECT_EQ(box->text(), moved);
        EXPECT_EQ(box->selectedText(), text.mid(start, length));
        box->undo();
        EXPECT_EQ(box->text(), text);
    }

    box->setSelection(0, 3);
    drag(*box, box->characterRect(1).center(), *other, QPoint(20, 12));
    EXPECT_EQ(other->text(), "100");
    EXPECT_EQ(box->text(), " 000.5");
}

}  // namespace
}  // namespace orvanta
