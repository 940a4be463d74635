#include "text_box.h"

#include "qt_print.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <functional>

namespace orvanta {
namespace {

const QString large(TextBox::largeEdit + 1, '0');

// Chooses an entry of the box's context menu, as a click on it would.
void chooseFromMenu(TextBox& box, const char* caption) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().section('\t', 0, 0) == QLineEdit::tr(caption)) action->trigger();
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

// QLineEdit would record every character; the box replaces its text instead, so nothing before the
// edit can be undone, and the edit itself cannot be undone character by character either.
TEST_P(LargeEdits, ReplaceTheTextAndStartAFreshHistory) {
    const LargeEdit& edit = GetParam();
    TextBox box(nullptr);
    box.show();
    if (edit.before.size() > TextBox::largeEdit) {
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
        LargeEdit{"ControlV", "12", [](TextBox& box) { QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier); },
                  "12" + large, large},
        LargeEdit{"ShiftInsert", "12", [](TextBox& box) { QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier); },
                  "12" + large, large},
        LargeEdit{"MenuPaste", "12", [](TextBox& box) { chooseFromMenu(box, "&Paste"); }, "12" + large, large},
        LargeEdit{"Delete", "1" + large, [](TextBox& box) { QTest::keyClick(&box, Qt::Key_Delete); }, "", large},
        LargeEdit{"Backspace", "1" + large, [](TextBox& box) { QTest::keyClick(&box, Qt::Key_Backspace); }, "", large},
        LargeEdit{"ControlX", "1" + large, [](TextBox& box) { QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier); },
                  "", "1" + large},
        LargeEdit{"MenuCut", "1" + large, [](TextBox& box) { chooseFromMenu(box, "Cu&t"); }, "", "1" + large},
        LargeEdit{"MenuDelete", "1" + large, [](TextBox& box) { chooseFromMenu(box, "Delete"); }, "", large}),
    [](const ::testing::TestParamInfo<LargeEdit>& info) { return info.param.name; });

TEST(TextBoxUndo, OrdinaryTypingIsUndoneAlsoAfterALargeEdit) {
    TextBox box(nullptr);
    box.show();
    QTest::keyClicks(&box, "100000");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "");

    box.setText(large);
    box.selectAll();
    QTest::keyClicks(&box, "65");  // over the large selection
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "");  // not the large text back
}

TEST(TextBoxUndo, HistoryIsStartedAfreshOnceItHoldsTheLimit) {
    TextBox box(nullptr);
    box.show();
    QApplication::clipboard()->setText(QString(TextBox::largeEdit, '1'));
    const int pastes = TextBox::historyLimit / TextBox::largeEdit + 2;
    for (int i = 0; i < pastes; ++i) {
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QApplication::processEvents();
    }
    for (int i = 0; i < pastes && box.isUndoAvailable(); ++i) box.undo();
    EXPECT_GT(box.text().size(), 0);  // the first pastes are no longer recorded
    EXPECT_LT(box.text().size(), pastes * TextBox::largeEdit);
}

}  // namespace
}  // namespace orvanta
