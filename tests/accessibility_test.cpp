#include "controls/schedule_grid.h"
#include "controls/text_box.h"
#include "program_fixture.h"
#include "qt_print.h"

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
        // The title's shadow only repeats it: one title per window.
        const bool hidden = QAccessible::queryAccessibleInterface(control)->state().invisible;
        EXPECT_EQ(hidden, name == "lblProductName(1)") << name.toStdString();
        if (!hidden) {
            EXPECT_FALSE(spokenName(control).isEmpty()) << name.toStdString();
        }
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
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&splash);
        EXPECT_EQ(dialog->role(), QAccessible::Dialog);
        EXPECT_EQ(dialog->text(QAccessible::Name), "Orvanta");
        QTest::keyClick(&splash, Qt::Key_Space);
    };
    click(result().cmdCredits);
    settle();
}

// A screen reader reads and edits a text box through the text interfaces.
TEST_F(Accessibility, TextBoxReadsAndEditsThroughTheTextInterfaces) {
    TextBox* amount = entry().txtAmount;
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(amount);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->role(), QAccessible::EditableText);
    EXPECT_TRUE(box->state().editable);
    EXPECT_TRUE(box->state().focusable);
    QAccessibleTextInterface* text = box->textInterface();
    QAccessibleEditableTextInterface* editable = box->editableTextInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_NE(editable, nullptr);

    editable->insertText(0, "10000");
    text->setSelection(0, 1, 3);
    EXPECT_EQ(amount->selectedText(), "00");
    editable->deleteText(4, 5);
    EXPECT_EQ(box->text(QAccessible::Value), "1000");
    EXPECT_EQ(text->text(0, 2), "10");

    // Edits in the middle, where a span's end and its length differ.
    const struct {
        int start, end;
        QString inserted, text;
    } edits[] = {{2, 4, "", "100"}, {1, 3, "55", "15500"}, {4, 5, "", "1000"}, {0, 0, "2", "210000"}};
    for (const auto& [start, end, inserted, edited] : edits) {
        amount->setText("10000");
        editable->replaceText(start, end, inserted);
        EXPECT_EQ(amount->text(), edited) << start << ", " << end;
    }
    // A word is found near the cursor also at the end of a pasted megabyte.
    amount->setText(QString(1 << 20, '0') + " 6.5 %");
    amount->setCursorPosition((1 << 20) + 2);
    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(-2, QAccessible::WordBoundary, &start, &end), "6.5");
    EXPECT_EQ(start, (1 << 20) + 1);
    EXPECT_EQ(end, (1 << 20) + 4);
    EXPECT_EQ(text->textAfterOffset((1 << 20) + 2, QAccessible::CharBoundary, &start, &end), "5");
    EXPECT_EQ(text->textAtOffset(3, QAccessible::LineBoundary, &start, &end).size(), amount->text().size());
    amount->setText("100000");
    EXPECT_EQ(text->textAtOffset(-2, QAccessible::WordBoundary, &start, &end), "");  // at the end: none
    EXPECT_EQ(start, 6);
    EXPECT_EQ(text->textBeforeOffset(-2, QAccessible::WordBoundary, &start, &end), "100000");
}

// What a screen reader or a magnifier is told of a small grid and a small text after each step: the
// focused control or cell, the selected cells, the caret and the selection, and where characters and cells stand.
// The window stands away from the screen's corner, so that screen and window coordinates differ.
class ScreenReaderView : public testing::Test {
protected:
    void SetUp() override {
        window.setGeometry(300, 200, 320, 160);
        grid = new ScheduleGrid(&window);
        grid->setGeometry(0, 0, 220, 90);  // months 1 and 2 and the first columns in sight
        grid->AddItem("Month\tPayment\tInterest\tPrinciple\tBalance\t");
        grid->AddItem("0\t\t\t\t$30.00\t");
        grid->setFixedRows(1);
        for (int month = 1; month <= 6; ++month)
            grid->AddItem(QString("%1\t$5.00\t% 0.1%1\t$4.9%1\t$2%1.00").arg(month));
        box = new TextBox(&window);
        box->setGeometry(0, 110, 120, 24);
        box->setAccessibleName("Amount");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The focused control's name, or the focused cell's as "row,column name".
    static QString focused(QWidget& window) {
        QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(&window)->focusChild();
        // A focused widget's interface answers with itself.
        while (focus != nullptr && focus->focusChild() != nullptr && focus->focusChild() != focus)
            focus = focus->focusChild();
        if (focus == nullptr) return {};
        if (QAccessibleTableCellInterface* cell = focus->tableCellInterface())
            return QString("%1,%2 %3")
                .arg(cell->rowIndex())
                .arg(cell->columnIndex())
                .arg(focus->text(QAccessible::Name));
        return focus->text(QAccessible::Name);
    }

    QStringList selectedCells() const {
        QStringList cells;
        for (QAccessibleInterface* cell :
             QAccessible::queryAccessibleInterface(grid)->tableInterface()->selectedCells())
            cells << QString("%1,%2 %3")
                         .arg(cell->tableCellInterface()->rowIndex())
                         .arg(cell->tableCellInterface()->columnIndex())
                         .arg(cell->text(QAccessible::Name));
        return cells;
    }

    // Plays a step: "grid" or "box" takes the focus, the one with it gets the keys named ("S-" holds
    // Shift), and any other word is typed.
    void play(const QString& step) {
        for (const QString& word : step.split(' ')) {
            if (word == "grid") {
                grid->setFocus();
                grid->setCurrentCell(2, 2);
            } else if (word == "box") {
                box->setText("1\U0001F600 2");
                box->setFocus(Qt::TabFocusReason);
            } else if (const int key = QKeySequence::fromString(QString(word).remove("S-"))[0].key(); key > 0xff) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                                word.startsWith("S-") ? Qt::ShiftModifier : Qt::NoModifier);
            } else {
                QTest::keyClicks(QApplication::focusWidget(), word);
            }
        }
    }

    QWidget window;
    ScheduleGrid* grid = nullptr;
    TextBox* box = nullptr;
};

TEST_F(ScreenReaderView, ReportsFocusSelectionCaretAndWhereCharactersStand) {
    const QStringList four = {"1,2 % 0.11", "1,3 $4.91", "2,2 % 0.12", "2,3 $4.92"};
    const struct {
        QString step;
        QString focus;
        QStringList selected;
        int caret;
        std::pair<int, int> selection;  // of the text
    } steps[] = {
        {"grid", "1,2 % 0.11", {"1,2 % 0.11"}, 0, {0, 0}},
        {"S-Right S-Down", "2,3 $4.92", four, 0, {0, 0}},
        {"box", "Amount", four, 5, {0, 5}},
        {"Home S-End", "Amount", four, 5, {0, 5}},
        {"Home Right S-Right S-Right", "Amount", four, 4, {1, 4}},  // over the emoji and the space
        {"5", "Amount", four, 2, {0, 0}},
    };
    for (const auto& [step, focus, selected, caret, selection] : steps) {
        SCOPED_TRACE(step.toStdString());
        play(step);
        QCoreApplication::processEvents();
        EXPECT_EQ(focused(window), focus);
        EXPECT_EQ(selectedCells(), selected);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
        EXPECT_EQ(text->cursorPosition(), caret);
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        EXPECT_EQ(std::pair(start, end), selection);
        // The focused cell only while the grid has the focus.
        QAccessibleInterface* current = QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(
            grid->currentIndex().row(), grid->currentIndex().column() + 1);
        EXPECT_EQ(current->state().focused, grid->hasFocus());
    }

    // Each character stands on the screen inside the box, after the one before it, and is found again at its middle.
    box->setText("1\U0001F600 2");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
    const QRect onScreen(box->mapToGlobal(QPoint(0, 0)), box->size());
    int left = onScreen.left();
    for (int offset : {0, 1, 3, 4}) {  // every character's first code unit
        SCOPED_TRACE(offset);
        const QRect character = text->characterRect(offset);
        EXPECT_TRUE(onScreen.contains(character)) << character.x() << "," << character.y();
        EXPECT_GE(character.left(), left);
        EXPECT_EQ(text->offsetAtPoint(character.center()), offset);
        left = character.right();
    }
    // A cell out of sight has no place on the screen; one in sight lies inside the grid.
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
    const QRect gridOnScreen(grid->mapToGlobal(QPoint(0, 0)), grid->size());
    EXPECT_TRUE(gridOnScreen.contains(table->cellAt(1, 1)->rect()));
    EXPECT_TRUE(table->cellAt(6, 4)->rect().isEmpty());
    EXPECT_TRUE(table->cellAt(6, 4)->state().invisible);

    // The headings a screen reader names a cell by: the month of its row, the heading of its column.
    const auto names = [](const QList<QAccessibleInterface*>& cells) {
        QStringList names;
        for (QAccessibleInterface* cell : cells) names << cell->text(QAccessible::Name);
        return names;
    };
    QAccessibleTableCellInterface* payment = table->cellAt(1, 1)->tableCellInterface();
    EXPECT_EQ(names(payment->rowHeaderCells()), QStringList{"Month 1"});
    EXPECT_EQ(names(payment->columnHeaderCells()), QStringList{"Payment"});
    EXPECT_EQ(QStringList({table->columnDescription(0), table->columnDescription(4), table->rowDescription(1)}),
              QStringList({"Month", "Balance", "1"}));
}

}  // namespace
}  // namespace orvanta
