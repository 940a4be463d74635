#include "controls/edit_buffer.h"

#include "qt_print.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace orvanta {
namespace {

using Step = EditBuffer::Step;
using Action = std::function<void(EditBuffer&)>;

Action move(Step step, bool mark = false) {
    return [=](EditBuffer& buffer) { buffer.move(step, mark); };
}
Action remove(Step step) {
    return [=](EditBuffer& buffer) { buffer.remove(step); };
}
Action type(const QString& text) {
    return [=](EditBuffer& buffer) { buffer.type(text); };
}
Action paste(const QString& text) {
    return [=](EditBuffer& buffer) { buffer.insert(text); };
}
Action moveTo(int position) {
    return [=](EditBuffer& buffer) { buffer.moveCursor(position, false); };
}
const Action undo = [](EditBuffer& buffer) { buffer.undo(); };
const Action redo = [](EditBuffer& buffer) { buffer.redo(); };

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

const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character in two UTF-16 units
const QString accented = QString::fromUtf8("e\xCC\x81");      // e and a combining acute accent
const QString pasted(EditBuffer::largeEdit + 1, '0');

INSTANTIATE_TEST_SUITE_P(
    EditBuffer, Edits,
    ::testing::Values(
        Editing{"WordForwardOverWordAndSpaces", "12 345.6", 0, 0, {move(Step::NextWord)}, "12 345.6", 3, 3},
        Editing{"WordForwardOverPunctuation", "6.125 x", 1, 1, {move(Step::NextWord)}, "6.125 x", 2, 2},
        Editing{"WordBackOverSpaces", "ab  cd", 4, 4, {move(Step::PreviousWord)}, "ab  cd", 0, 0},
        Editing{"WordBackToWordStart", "100 000", 7, 7, {move(Step::PreviousWord)}, "100 000", 4, 4},
        Editing{"ShiftSelectsCharacters",
                "abc",
                0,
                0,
                {move(Step::NextCharacter, true), move(Step::NextCharacter, true)},
                "abc",
                0,
                2},
        Editing{"ShiftEndSelectsToEnd", "abc", 1, 1, {move(Step::End, true)}, "abc", 1, 3},
        Editing{"CharacterStepsOverSurrogatePair",
                "a" + smile + "b",
                1,
                1,
                {move(Step::NextCharacter)},
                "a" + smile + "b",
                3,
                3},
        Editing{
            "CharacterStepsOverAccent", accented + "x", 2, 2, {move(Step::PreviousCharacter)}, accented + "x", 0, 0},
        Editing{"BackspaceTakesTheAccentAlone", accented, 2, 2, {remove(Step::PreviousCharacter)}, "e", 1, 1},
        Editing{"BackspaceTakesSurrogatePair", "a" + smile, 3, 3, {remove(Step::PreviousCharacter)}, "a", 1, 1},
        Editing{"DeleteTakesLetterWithAccent", accented + "x", 0, 0, {remove(Step::NextCharacter)}, "x", 0, 0},
        Editing{"DeleteTakesSelection", "12345", 1, 3, {remove(Step::NextCharacter)}, "145", 1, 1},
        Editing{"ControlBackspaceTakesWord", "100 000", 7, 7, {remove(Step::PreviousWord)}, "100 ", 4, 4},
        Editing{"ControlDeleteTakesWordAndSpace", "100 000", 0, 0, {remove(Step::NextWord)}, "000", 0, 0},
        Editing{"TypingReplacesSelection", "12345", 1, 3, {type("x"), type("y")}, "1xy45", 3, 3},
        Editing{"UndoRestoresTextAndSelection", "12345", 1, 3, {type("x"), type("y"), undo}, "12345", 1, 3},
        Editing{"TypedCharactersUndoTogether", "", 0, 0, {type("1"), type("2"), type("3"), undo}, "", 0, 0},
        Editing{"MovedCursorStartsNewStep", "", 0, 0, {type("12"), moveTo(0), type("3"), undo}, "12", 0, 0},
        Editing{"BackspacesUndoTogether",
                "1234",
                4,
                4,
                {remove(Step::PreviousCharacter), remove(Step::PreviousCharacter), undo},
                "1234",
                4,
                4},
        Editing{"PasteIsItsOwnStep", "", 0, 0, {type("1"), paste("23"), undo}, "1", 1, 1},
        Editing{"RedoAfterUndo", "", 0, 0, {type("ab"), undo, redo}, "ab", 2, 2},
        Editing{"EditDropsRedo", "", 0, 0, {type("a"), undo, type("b"), redo}, "b", 1, 1},
        Editing{"LargePasteCannotBeUndone",
                "12",
                2,
                2,
                {type("3"), paste(pasted), undo},
                "123" + pasted,
                static_cast<int>(pasted.size()) + 3,
                static_cast<int>(pasted.size()) + 3},
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
                4},
        Editing{"DoubleClickSelectsWordWithoutSpace",
                "100 000.5",
                5,
                5,
                {[](EditBuffer& buffer) { buffer.selectWordAt(5); }},
                "100 000.5",
                4,
                7}),
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
