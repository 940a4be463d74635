#include "controls/edit_buffer.h"

#include "qt_print.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace orvanta {
namespace {

using Step = EditBuffer::Step;
using Action = std::function<void(EditBuffer&)>;

Action remove(Step step) {
    return [=](EditBuffer& buffer) { buffer.remove(step); };
}
const Action undo = [](EditBuffer& buffer) { buffer.undo(); };

struct Editing {
    const char* name;
    QString text;
    int anchor;
    int cursor;
    std::vector<Action> actions;
    QString after;
    int anchorAfter;
    int cursorAfter;
};

void PrintTo(const Editing& editing, std::ostream* out) { *out << editing.name; }

class Edits : public ::testing::TestWithParam<Editing> {};

TEST_P(Edits, LeaveTextCursorAndSelection) {
    const Editing& editing = GetParam();
    EditBuffer buffer;
    buffer.setText(editing.text);
    buffer.setSelection(editing.anchor, editing.cursor - editing.anchor);
    for (const Action& action : editing.actions) action(buffer);
    EXPECT_EQ(buffer.text(), editing.after);
    EXPECT_EQ(buffer.anchor(), editing.anchorAfter);
    EXPECT_EQ(buffer.cursor(), editing.cursorAfter);
}

const QString accented = QString::fromUtf8("e\xCC\x81");  // e and a combining acute accent

// Only what the line edit comparison (text_box_differential_test) does not reach.
INSTANTIATE_TEST_SUITE_P(
    EditBuffer, Edits,
    ::testing::Values(
        Editing{"BackspaceTakesTheAccentAlone", accented, 2, 2, {remove(Step::PreviousCharacter)}, "e", 1, 1},
        Editing{"ControlBackspaceTakesWord", "100 000", 7, 7, {remove(Step::PreviousWord)}, "100 ", 4, 4},
        Editing{"BackspacesUndoTogether",
                "1234",
                4,
                4,
                {remove(Step::PreviousCharacter), remove(Step::PreviousCharacter), undo},
                "1234",
                4,
                4},
        Editing{"DraggedSelectionMovesBack",
                "12345",
                3,
                5,
                {[](EditBuffer& buffer) { buffer.moveSelection(0); }},
                "45123",
                0,
                2},
        Editing{"DraggedSelectionMovesOnAndUndoesInOneStep",
                "12345",
                0,
                2,
                {[](EditBuffer& buffer) { buffer.moveSelection(4); }, undo},
                "12345",
                0,
                2},
        Editing{"DraggedSelectionMovesOn",
                "12345",
                2,
                0,
                {[](EditBuffer& buffer) { buffer.moveSelection(4); }},
                "34125",
                2,
                4}),
    [](const ::testing::TestParamInfo<Editing>& info) { return info.param.name; });

// Whatever is pasted, undo keeps only the last steps of up to historyLimit characters.
TEST(EditBufferHistory, StaysBoundedAndKeepsTheLatestSteps) {
    EditBuffer buffer;
    const QString chunk(EditBuffer::largeEdit, '1');
    for (int i = 0; i < 100; ++i) {
        buffer.insert(chunk);
        buffer.type("2");
        buffer.moveCursor(0, false);
    }
    const QString before = buffer.text();
    int undone = 0;
    while (buffer.isUndoAvailable() && undone <= 100) {
        buffer.undo();
        ++undone;
    }
    // Each round recorded a chunk and a typed character; only the last few rounds fit.
    EXPECT_GT(undone, 2);
    EXPECT_LE(undone, 2 * EditBuffer::historyLimit / EditBuffer::largeEdit);
    EXPECT_EQ(buffer.text().size(), before.size() - undone / 2 * (chunk.size() + 1) - undone % 2);
    while (buffer.isRedoAvailable()) buffer.redo();
    EXPECT_EQ(buffer.text(), before);
}

}  // namespace
}  // namespace orvanta
