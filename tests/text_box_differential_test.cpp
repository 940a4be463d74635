// The text box against QLineEdit: the same seeded random steps go to each, and after every step the
// text, cursor, selection, undo and redo, focus, clipboard, what an input method sees and where the
// cursor is drawn must agree.
// Run on xcb as well as offscreen, since their key bindings differ.
#include "controls/text_box.h"

#include "qt_print.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

enum class Kind {
    Type,
    Key,
    Cut,
    Copy,
    Paste,
    PasteLong,
    PasteLarge,
    SelectAll,
    Click,
    ShiftClick,
    DoubleClick,
    Commit,
    Menu,        // an entry of the context menu, or none when it is closed
    TripleClick  // not drawn: a quarter of the double clicks
};

// The context menu's entries, in their order.
const QStringList menuEntries = {"edit-undo",  "edit-redo",   "edit-cut",  "edit-copy",
                                 "edit-paste", "edit-delete", "select-all"};

struct Step {
    Kind kind = Kind::Type;
    QString text;  // typed, pasted or committed
    QKeyCombination key{};
    int position = 0;  // clicked, as a share of the text's length in thousandths
};

using Steps = std::vector<Step>;

// What the user and an input method can see of either widget.
struct State {
    QString text;
    int cursor;
    QString selected;
    int selectionStart;
    bool undo;
    bool redo;
    bool focused;
    QString clipboard;
    QString beforeCursor;  // as the input method's surrounding text has it
    QString afterCursor;
    int cursorX;   // where the cursor is drawn, to a pixel either way
    QString menu;  // the context menu's enabled entries, after a step that opened it

    bool operator==(const State& other) const {
        return std::tie(text, cursor, selected, selectionStart, undo, redo, focused, clipboard, beforeCursor,
                        afterCursor, menu)
                   == std::tie(other.text, other.cursor, other.selected, other.selectionStart, other.undo, other.redo,
                               other.focused, other.clipboard, other.beforeCursor, other.afterCursor, other.menu)
               && std::abs(cursorX - other.cursorX) <= 1;
    }
};

const QString longText = QString("1,234,567.89 \U0001F4B6 ").repeated(50);
const QString largeText = QString(EditBuffer::largeEdit + 1, '7');

constexpr int tripleClickDistance = 10;

// An input method sees at least this many characters either side of the cursor.
constexpr int surroundingCharacters = 256;

// Digit grouping, currency signs, Arabic-Indic digits, right-to-left words, surrogate pairs, combining marks.
const QStringList texts = {"6",
                           "12.5",
                           "1,234,567.89",
                           "1\u00A0234,5",
                           "1\u202F234\u202F567",
                           "$1,000",
                           "\u20AC 12",
                           "\u20B9\u00A01,00,000",
                           "\u0661\u066C\u0662\u0663\u0664\u066B\u0665",
                           "\u06F1\u06F2\u06F3",
                           "\u05E9\u05DC\u05D5\u05DD",
                           "\u0645\u0631\u062D\u0628\u0627 12",
                           "rate 6.5",
                           "\U0001D7D9\U0001D7DA",
                           "\U0001F4B6 5",
                           "e\u0301t\u00E9",
                           "n\u0303o",
                           " ",
                           "-3"};

// Bindings of both platforms: Ctrl+Y, Ctrl+K and Ctrl+U mean something on one of them at least.
const std::vector<QKeyCombination> keys = [] {
    std::vector<QKeyCombination> all;
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End}) {
        for (Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ShiftModifier},
              Qt::KeyboardModifiers{Qt::ControlModifier}, Qt::ControlModifier | Qt::ShiftModifier})
            all.emplace_back(modifiers, key);
    }
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
        all.emplace_back(key);
        all.emplace_back(Qt::ControlModifier, key);
    }
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_K, Qt::Key_U, Qt::Key_A, Qt::Key_X, Qt::Key_C, Qt::Key_V})
        all.emplace_back(Qt::ControlModifier, key);
    all.emplace_back(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    all.emplace_back(Qt::Key_Tab);
    all.emplace_back(Qt::ShiftModifier, Qt::Key_Backtab);
    return all;
}();

const std::vector<QKeyCombination> undoKeys = {Qt::ControlModifier | Qt::Key_Z, Qt::ControlModifier | Qt::Key_Y,
                                               Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z};

// Sequences past the first ones also open the context menu, in place of the large pastes, and press the
// keys of old for cut, copy and paste in place of every other Ctrl+X, Ctrl+C and Ctrl+V.
constexpr unsigned firstWithMenu = 41;

QKeyCombination keyOfOld(QKeyCombination key) {
    if (key == (Qt::ControlModifier | Qt::Key_X)) return Qt::ShiftModifier | Qt::Key_Delete;
    if (key == (Qt::ControlModifier | Qt::Key_C)) return Qt::ControlModifier | Qt::Key_Insert;
    if (key == (Qt::ControlModifier | Qt::Key_V)) return Qt::ShiftModifier | Qt::Key_Insert;
    return key;
}

Steps randomSteps(unsigned seed, int count) {
    std::mt19937 random(seed);
    const auto pick = [&random](auto size) { return static_cast<int>(random() % size); };
    Steps steps;
    for (int i = 0; i < count; ++i) {
        Step step;
        step.kind = static_cast<Kind>(pick(12));
        const bool large = step.kind == Kind::PasteLarge;
        if (large && pick(4) != 0) step.kind = Kind::Key;  // rare: it costs time
        if (large && seed >= firstWithMenu) step.kind = Kind::Menu;
        if (pick(3) == 0) step.kind = Kind::Key;
        step.text = texts[pick(texts.size())];
        step.key = pick(4) == 0 ? undoKeys[pick(undoKeys.size())] : keys[pick(keys.size())];  // undo, then redo
        step.position = pick(1001);
        if (seed >= firstWithMenu && step.position % 2 == 0) step.key = keyOfOld(step.key);
        if (step.kind == Kind::DoubleClick && step.position % 4 == 0) step.kind = Kind::TripleClick;
        steps.push_back(step);
    }
    return steps;
}

std::string describe(const Step& step) {
    static const char* names[] = {"type",         "key",         "cut",        "copy",        "paste",
                                  "paste long",   "paste large", "select all", "click",       "shift click",
                                  "double click", "commit",      "menu",       "triple click"};
    std::ostringstream out;
    out << names[static_cast<int>(step.kind)];
    if (step.kind == Kind::Type || step.kind == Kind::Commit) out << " \"" << step.text.toStdString() << '"';
    if (step.kind == Kind::Key) out << ' ' << QKeySequence(step.key).toString().toStdString();
    if (step.kind == Kind::Menu) out << ' ' << menuEntries.value(step.position % 8, "closed").toStdString();
    if (step.kind >= Kind::Click && step.kind != Kind::Commit && step.kind != Kind::Menu)
        out << " at " << step.position << "/1000";
    return out.str();
}

// A state, with long texts cut to where they part from the other state's.
std::string describe(const State& state, const State& other) {
    std::ostringstream out;
    const auto shown = [&other](const QString& text) {
        if (text.size() <= 40) return text;
        const qsizetype from = std::max<qsizetype>(
            std::mismatch(text.begin(), text.end(), other.text.begin(), other.text.end()).first - text.begin() - 10, 0);
        return QString("(%1 long, from %2) %3").arg(text.size()).arg(from).arg(text.mid(from, 30));
    };
    out << '"' << shown(state.text).toStdString() << "\" cursor " << state.cursor << " selected \""
        << shown(state.selected).toStdString() << "\" from " << state.selectionStart << (state.undo ? " undo" : "")
        << (state.redo ? " redo" : "") << (state.focused ? " focused" : "") << " clipboard \""
        << shown(state.clipboard).toStdString() << "\" im \"" << state.beforeCursor.right(12).toStdString() << "|"
        << state.afterCursor.left(12).toStdString() << "\" cursor at x " << state.cursorX << " menu \""
        << state.menu.toStdString() << '"';
    return out.str();
}

// The known differences: keys the box takes otherwise than the installed line edit, each with its
// reason. The line edit is made to do what the box does, so that the comparison goes on.
bool actsAsTheBox(QLineEdit* edit, QKeyCombination key) {
    // The box redoes on Ctrl+Y everywhere, as Windows programs do; a line edit on X11 does not.
    if (key == (Qt::ControlModifier | Qt::Key_Y)) {
        edit->redo();
        return true;
    }
    // Ctrl+Backspace and Ctrl+Delete over a selection delete it. Qt before 6.8 deletes a word (6.4 and 6.5
    // do); the box follows the newer line edit.
    const QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers());
    if (QLibraryInfo::version() < QVersionNumber(6, 8) && edit->hasSelectedText()
        && (event.matches(QKeySequence::DeleteStartOfWord) || event.matches(QKeySequence::DeleteEndOfWord))) {
        edit->del();
        return true;
    }
    return false;
}

// The widget under test between two others that take the focus, so Tab and Shift+Tab lead in and out.
template <typename Widget> class Stage {
public:
    Stage() {
        auto* before = new QWidget(&window_);
        widget_ = new Widget(&window_);
        auto* after = new QWidget(&window_);
        for (QWidget* neighbour : {before, after}) {
            neighbour->setFocusPolicy(Qt::StrongFocus);
            neighbour->resize(20, 20);
        }
        widget_->setGeometry(0, 30, 160, widget_->sizeHint().height());
        if constexpr (std::is_same_v<Widget, QLineEdit>) {
            widget_->setMaxLength(std::numeric_limits<int>::max());
            widget_->setDragEnabled(true);  // as the box: a press on the selection may drag it
        }
        after->move(0, 70);
        window_.resize(200, 100);
        QObject::connect(widget_, &Widget::textEdited, [this] { edited_ = true; });
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    // The line edit's run is given the box's states, for the one difference that needs them.
    std::vector<State> run(const Steps& steps, const std::vector<State>& boxStates = {}) {
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
        widget_->setText({});
        widget_->setFocus(Qt::OtherFocusReason);
        widget_->repaint();
        QApplication::clipboard()->setText("0");
        std::vector<State> states;
        for (const Step& step : steps) {
            if (step.kind != Kind::Type) perform(step);
            // After a redo a line edit puts its cursor where it stood when the next edit, still undone,
            // began, or one past that, past the end of the text after two pastes at its end; and it may keep
            // a selection that it no longer reports where it starts (Qt 6.4). The box puts the cursor at the
            // end of what was redone, without a selection; the line edit is put there too.
            if (redoes(step) && states.size() < boxStates.size() && boxStates[states.size()].selected.isEmpty())
                widget_->setCursorPosition(boxStates[states.size()].cursor);
            for (const uint codePoint : step.kind == Kind::Type ? step.text.toUcs4() : QList<uint>()) {
                perform({Kind::Type, QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1)});
                widget_->repaint();  // after every key, as a user's screen is
            }
            QApplication::processEvents();  // what either widget left for the event loop, as a user's screen shows it
            widget_->repaint();             // a line edit scrolls as it paints, which users see it do after every step
            states.push_back(state());
            states.back().menu = std::exchange(menu_, QString());
        }
        return states;
    }

private:
    void perform(const Step& step) {
        const QString before = widget_->text();
        const bool replacesSelection = step.kind == Kind::Type || step.kind == Kind::Commit || step.kind == Kind::Paste
                                       || step.kind == Kind::PasteLong || step.kind == Kind::PasteLarge
                                       || (step.kind == Kind::Menu && step.position % 8 == 4)
                                       || (step.kind == Kind::Key && step.key == (Qt::ControlModifier | Qt::Key_V))
                                       || (step.kind == Kind::Key && step.key == (Qt::ShiftModifier | Qt::Key_Insert));
        const qsizetype selected = replacesSelection ? widget_->selectedText().size() : 0;
        edited_ = false;
        act(step);
        if constexpr (std::is_same_v<Widget, QLineEdit>) {
            if (edited_ && !undoesOrRedoes(step) && isLarge(before, widget_->text(), selected)) forgetHistory();
        }
    }

    void act(const Step& step) {
        QWidget* focused = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : widget_;
        switch (step.kind) {
        case Kind::Type:  // one character, as a key gives it
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key_unknown, step.text, {});
            break;
        case Kind::Key:
            if constexpr (std::is_same_v<Widget, QLineEdit>) {
                if (focused == widget_ && actsAsTheBox(widget_, step.key)) break;
            }
            QTest::keyClick(focused, step.key.key(), step.key.keyboardModifiers());
            break;
        case Kind::Cut: widget_->cut(); break;
        case Kind::Copy: widget_->copy(); break;
        case Kind::Paste: widget_->paste(); break;
        case Kind::PasteLong:
            QApplication::clipboard()->setText(longText);
            widget_->paste();
            break;
        case Kind::PasteLarge:
            QApplication::clipboard()->setText(largeText);
            widget_->paste();
            break;
        case Kind::SelectAll: widget_->selectAll(); break;
        case Kind::Click:
        case Kind::ShiftClick:
        case Kind::DoubleClick:
        case Kind::TripleClick: click(step); break;
        case Kind::Menu: chooseFromMenu(step.position % 8); break;
        case Kind::Commit: {
            QInputMethodEvent event(QString(), {});
            event.setCommitString(step.text);
            QApplication::sendEvent(widget_, &event);
            break;
        }
        }
    }

    // Where the widget itself puts a position: the middle of the pixels that reach it, if any do.
    std::optional<QPoint> pointOf(int position) const {
        const int y = widget_->height() / 2;
        std::vector<int> reaching;
        for (int x = 0; x < widget_->width(); ++x) {
            if (positionAt(QPoint(x, y)) == position) reaching.push_back(x);
        }
        if (reaching.empty()) return std::nullopt;
        return QPoint(reaching[reaching.size() / 2], y);
    }

    // The menu that a right click opens, with the given entry chosen if it is enabled; the enabled ones are noted.
    void chooseFromMenu(int entry) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, widget_->rect().center(),
                                widget_->mapToGlobal(widget_->rect().center()));
        QApplication::sendEvent(widget_, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        // Told apart by their order, as the line edit before Qt 6.8 gives its entries no names.
        QList<QAction*> entries = menu->actions();
        entries.removeIf([](const QAction* action) { return action->isSeparator(); });
        ASSERT_EQ(entries.size(), menuEntries.size());
        for (int i = 0; i < entries.size(); ++i) {
            if (!entries[i]->isEnabled()) continue;
            menu_ += menuEntries[i] + ' ';
            if (i == entry) entries[i]->trigger();
        }
        menu->close();
    }

    // A click where the widget itself puts the chosen position.
    void click(const Step& step) {
        const std::optional<QPoint> reached = pointOf(static_cast<int>(widget_->text().size() * step.position / 1000));
        if (!reached) return;
        const QPoint point = *reached;
        if (step.kind == Kind::DoubleClick || step.kind == Kind::TripleClick) {
            QTest::mouseDClick(widget_, Qt::LeftButton, {}, point);
        }
        if (step.kind == Kind::TripleClick) {
            // Both widgets time the third click by a timer of their own, started at the double click and
            // too long to run out here; only within this step is a click near enough to count.
            QApplication::setStartDragDistance(tripleClickDistance);
            QTest::mouseClick(widget_, Qt::LeftButton, {}, point);
            QApplication::setStartDragDistance(0);
        } else if (step.kind != Kind::DoubleClick) {
            QTest::mouseClick(widget_, Qt::LeftButton,
                              step.kind == Kind::ShiftClick ? Qt::ShiftModifier : Qt::KeyboardModifiers{}, point);
        }
    }

    // The box forgets its history on purpose at an edit too large to keep; the line edit is made to as well.
    // Nothing else in the sequences comes near the box's bound on the history's size.
    // Typing or pasting removes at least the selection, even where it puts the same text back.
    static bool isLarge(const QString& before, const QString& after, qsizetype selected) {
        qsizetype same = 0;
        while (same < before.size() && same < after.size() && before[same] == after[same]) ++same;
        qsizetype sameEnd = 0;
        while (sameEnd < before.size() - same && sameEnd < after.size() - same
               && before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd])
            ++sameEnd;
        const qsizetype removed = std::max(before.size() - same - sameEnd, selected);
        return 2 * removed + after.size() - before.size() > EditBuffer::largeEdit;
    }

    static bool redoes(const Step& step) {
        if (step.kind == Kind::Menu) return step.position % 8 == 1;
        return step.kind == Kind::Key
               && (step.key == (Qt::ControlModifier | Qt::Key_Y)
                   || step.key == (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z));
    }

    static bool undoesOrRedoes(const Step& step) {
        return (step.kind == Kind::Key && (step.key.key() == Qt::Key_Z || step.key.key() == Qt::Key_Y))
               || (step.kind == Kind::Menu && step.position % 8 < 2);
    }

    void forgetHistory() {
        const int cursor = widget_->cursorPosition();
        widget_->setText(widget_->text());
        widget_->setCursorPosition(cursor);
    }

    int positionAt(const QPoint& point) const {
        if constexpr (std::is_same_v<Widget, QLineEdit>)
            return widget_->cursorPositionAt(point);
        else
            return widget_->positionAt(point);
    }

    State state() const {
        const QString surrounding = widget_->inputMethodQuery(Qt::ImSurroundingText).toString();
        const int cursor = widget_->inputMethodQuery(Qt::ImCursorPosition).toInt();
        // Each widget's cursor rectangle is its own width about the cursor's line.
        const int cursorX =
            widget_->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() + (std::is_same_v<Widget, QLineEdit> ? 5 : 2);
        return {widget_->text(),
                widget_->cursorPosition(),
                widget_->selectedText(),
                widget_->selectionStart(),
                widget_->isUndoAvailable(),
                widget_->isRedoAvailable(),
                widget_->hasFocus(),
                QApplication::clipboard()->text(),
                surrounding.left(cursor).right(surroundingCharacters),
                surrounding.mid(cursor, surroundingCharacters),
                cursorX,
                {}};
    }

    QWidget window_;
    Widget* widget_;
    bool edited_ = false;
    QString menu_;
};

// The first step at which the two disagree, or -1.
int firstDifference(Stage<TextBox>& box, Stage<QLineEdit>& edit, const Steps& steps) {
    const std::vector<State> boxStates = box.run(steps);
    const std::vector<State> editStates = edit.run(steps, boxStates);
    const auto mismatch = std::mismatch(boxStates.begin(), boxStates.end(), editStates.begin());
    return mismatch.first == boxStates.end() ? -1 : static_cast<int>(mismatch.first - boxStates.begin());
}

// The shortest sequence that still fails, found by deleting chunks of steps, then single steps.
Steps shrink(Stage<TextBox>& box, Stage<QLineEdit>& edit, Steps steps) {
    for (std::size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= steps.size();) {
            Steps shorter = steps;
            shorter.erase(shorter.begin() + start, shorter.begin() + start + chunk);
            const int failing = firstDifference(box, edit, shorter);
            if (failing >= 0) {
                shorter.resize(failing + 1);
                steps = shorter;
            } else {
                start += chunk;
            }
        }
    }
    return steps;
}

TEST(TextBoxDifferential, AgreesWithALineEditStepByStep) {
    // The widgets get a double click as one event, and a press is a third click while a timer that each
    // starts at the double click runs, if it lands within the drag distance. That timer is the wall
    // clock's, so clicks of later steps are kept apart by distance: a long interval keeps it running,
    // and no click but a triple click's own third one is near enough.
    QApplication::setDoubleClickInterval(std::numeric_limits<int>::max());
    QApplication::setStartDragDistance(0);
    QApplication::setStartDragTime(std::numeric_limits<int>::max());  // a click on the selection never starts a drag
    Stage<TextBox> box;
    Stage<QLineEdit> edit;
    constexpr int sequences = 60;
    constexpr int length = 100;
    for (unsigned seed = 1; seed <= sequences; ++seed) {
        Steps steps = randomSteps(seed, length);
        int failing = firstDifference(box, edit, steps);
        if (failing < 0) continue;
        steps.resize(failing + 1);
        steps = shrink(box, edit, steps);
        std::ostringstream out;
        out << "seed " << seed << " on " << QGuiApplication::platformName().toStdString()
            << ", shortest failing steps:";
        for (const Step& step : steps) out << "\n  " << describe(step);
        const std::vector<State> boxStates = box.run(steps);
        const std::vector<State> editStates = edit.run(steps, boxStates);
        out << "\nbox:       " << describe(boxStates.back(), editStates.back())
            << "\nline edit: " << describe(editStates.back(), boxStates.back());
        ADD_FAILURE() << out.str();
        return;
    }
}

}  // namespace
}  // namespace orvanta
