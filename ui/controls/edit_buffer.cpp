#include "controls/edit_buffer.h"

#include <QTextBoundaryFinder>

#include <string_view>

namespace orvanta {

namespace {

// A grapheme boundary lies within this many characters of any position in ordinary text.
constexpr int neighbourhood = 64;

// The characters that end a word for a line edit, as spaces do, though a word move stops after them.
// Other scripts' marks, such as the Arabic thousands separator, belong to the word.
bool separatesWords(QChar c) {
    return c.unicode() < 128
           && std::u16string_view(u".,?!@#$:;-<>[](){}=/+%&^*'\"`~|\\").find(c.unicode()) != std::u16string_view::npos;
}

int nextGrapheme(const QString& text, int position) {
    const int end = std::min(static_cast<int>(text.size()), position + neighbourhood);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.constData() + position, end - position);
    const qsizetype next = finder.toNextBoundary();
    return next < 0 ? end : position + static_cast<int>(next);
}

int previousGrapheme(const QString& text, int position) {
    const int start = std::max(0, position - neighbourhood);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.constData() + start, position - start);
    finder.toEnd();
    const qsizetype previous = finder.toPreviousBoundary();
    return previous < 0 ? start : start + static_cast<int>(previous);
}

// Backspace takes one code point, so that an accent typed after its letter goes alone.
int previousCodePoint(const QString& text, int position) {
    if (position >= 2 && text[position - 1].isLowSurrogate() && text[position - 2].isHighSurrogate())
        return position - 2;
    return std::max(0, position - 1);
}

}  // namespace

void EditBuffer::setText(const QString& text) {
    text_ = text;
    cursor_ = anchor_ = length();
    history_.clear();
    done_ = 0;
    historySize_ = 0;
    mergeable_ = false;
}

// Only a cursor that moves ends a run of typing, as in a line edit.
void EditBuffer::moveCursor(int position, bool mark) {
    position = std::clamp(position, 0, length());
    if (position != cursor_) mergeable_ = false;
    cursor_ = position;
    if (!mark) anchor_ = cursor_;
}

void EditBuffer::move(Step step, bool mark) { moveCursor(target(cursor_, step), mark); }

void EditBuffer::setSelection(int start, int length) {
    moveCursor(start, false);
    moveCursor(start + length, true);
}

void EditBuffer::selectWordAt(int position) {
    const int start = target(std::min(position + 1, length()), Step::PreviousWord);
    int end = target(start, Step::NextWord);
    while (end > position && text_[end - 1].isSpace()) --end;
    moveCursor(start, false);
    moveCursor(end, true);
}

int EditBuffer::target(int position, Step step) const {
    const auto separator = [this](int i) { return separatesWords(text_[i]); };
    const auto space = [this](int i) { return text_[i].isSpace(); };
    const int end = length();
    switch (step) {
    case Step::PreviousCharacter: return position > 0 ? previousGrapheme(text_, position) : 0;
    case Step::NextCharacter: return position < end ? nextGrapheme(text_, position) : end;
    case Step::PreviousWord:
        while (position > 0 && space(position - 1)) --position;
        if (position > 0 && separator(position - 1)) {
            while (position > 0 && separator(position - 1)) --position;
        } else {
            while (position > 0 && !space(position - 1) && !separator(position - 1)) --position;
        }
        return position;
    case Step::NextWord:
        if (position < end && separator(position)) {
            while (position < end && separator(position)) ++position;
        } else {
            while (position < end && !space(position) && !separator(position)) ++position;
        }
        while (position < end && space(position)) ++position;
        return position;
    case Step::Start: return 0;
    case Step::End: return end;
    }
    return position;
}

std::optional<EditBuffer::Change> EditBuffer::insert(const QString& text) {
    return replace(selectionStart(), selectionEnd(), text, Kind::Other);
}

std::optional<EditBuffer::Change> EditBuffer::type(const QString& text) {
    return replace(selectionStart(), selectionEnd(), text, Kind::Typing);
}

std::optional<EditBuffer::Change> EditBuffer::remove(Step step) {
    if (hasSelection()) return removeSelection();
    if (step == Step::PreviousCharacter)
        return replace(previousCodePoint(text_, cursor_), cursor_, {}, Kind::Backspacing);
    const int to = target(cursor_, step);
    return replace(std::min(cursor_, to), std::max(cursor_, to), {},
                   step == Step::NextCharacter ? Kind::Deleting : Kind::Removal);
}

std::optional<EditBuffer::Change> EditBuffer::removeSelection() {
    return replace(selectionStart(), selectionEnd(), {}, Kind::Removal);
}

// One replacement of the stretch from the selection to the position, so that one undo puts it back.
std::optional<EditBuffer::Change> EditBuffer::moveSelection(int position) {
    const int start = selectionStart();
    const int end = selectionEnd();
    if (position >= start && position <= end) return std::nullopt;
    const QString moved = selectedText();
    const int cursorBefore = cursor_;
    const int anchorBefore = anchor_;
    const bool back = position < start;
    const QString passed = back ? text_.mid(position, start - position) : text_.mid(end, position - end);
    Change change = apply(std::min(start, position), static_cast<int>(moved.size() + passed.size()),
                          back ? moved + passed : passed + moved);
    anchor_ = back ? position : position - static_cast<int>(moved.size());
    cursor_ = anchor_ + static_cast<int>(moved.size());
    record({change, cursorBefore, anchorBefore, Kind::Other});
    mergeable_ = false;
    return change;
}

std::optional<EditBuffer::Change> EditBuffer::undo() {
    if (!isUndoAvailable()) return std::nullopt;
    const Record& step = history_[--done_];
    Change change = apply(step.change.position, static_cast<int>(step.change.inserted.size()), step.change.removed);
    cursor_ = step.cursorBefore;
    anchor_ = step.anchorBefore;
    mergeable_ = false;
    return change;
}

std::optional<EditBuffer::Change> EditBuffer::redo() {
    if (!isRedoAvailable()) return std::nullopt;
    const Record& step = history_[done_++];
    Change change = apply(step.change.position, static_cast<int>(step.change.removed.size()), step.change.inserted);
    cursor_ = anchor_ = change.position + static_cast<int>(change.inserted.size());
    mergeable_ = step.kind != Kind::Other;  // what follows joins a redone step as it would have joined it first
    return change;
}

std::optional<EditBuffer::Change> EditBuffer::replace(int start, int end, const QString& inserted, Kind kind) {
    if (start == end && inserted.isEmpty()) return std::nullopt;
    const int cursorBefore = cursor_;
    const int anchorBefore = anchor_;
    Change change = apply(start, end - start, inserted);
    cursor_ = anchor_ = start + static_cast<int>(inserted.size());
    if (!merge(change, kind)) record({change, cursorBefore, anchorBefore, kind});
    mergeable_ = kind != Kind::Other;
    return change;
}

EditBuffer::Change EditBuffer::apply(int position, int removedLength, const QString& inserted) {
    Change change{position, text_.mid(position, removedLength), inserted};
    text_.replace(position, removedLength, inserted);
    return change;
}

// Typing goes on where the last typed text ended, Backspace takes the character before it and Delete
// the one after it.
bool EditBuffer::merge(const Change& change, Kind kind) {
    if (!mergeable_ || kind == Kind::Other || kind == Kind::Removal || done_ == 0 || done_ != history_.size())
        return false;
    Record& last = history_.back();
    if ((last.kind != kind && last.kind != Kind::Removal)
        || cost(last.change) + cost(change) - 2 * stepCost > largeEdit)
        return false;
    const int end = last.change.position + static_cast<int>(last.change.inserted.size());
    if (kind == Kind::Typing && change.removed.isEmpty() && change.position == end) {
        last.change.inserted += change.inserted;
    } else if (kind == Kind::Backspacing && last.change.inserted.isEmpty()
               && change.position + change.removed.size() == last.change.position) {
        last.change.removed.prepend(change.removed);
        last.change.position = change.position;
    } else if (kind == Kind::Deleting && last.change.inserted.isEmpty() && change.position == last.change.position) {
        last.change.removed += change.removed;
    } else {
        return false;
    }
    last.kind = kind;
    historySize_ += cost(change) - stepCost;
    forgetOldest();
    return true;
}

void EditBuffer::record(Record step) {
    for (std::size_t i = done_; i < history_.size(); ++i) historySize_ -= cost(history_[i].change);
    history_.resize(done_);
    if (cost(step.change) - stepCost > largeEdit) {
        history_.clear();
        done_ = 0;
        historySize_ = 0;
        return;
    }
    historySize_ += cost(step.change);
    history_.push_back(std::move(step));
    ++done_;
    forgetOldest();
}

void EditBuffer::forgetOldest() {
    std::size_t forgotten = 0;
    while (historySize_ > historyLimit) historySize_ -= cost(history_[forgotten++].change);
    history_.erase(history_.begin(), history_.begin() + static_cast<std::ptrdiff_t>(forgotten));
    done_ -= forgotten;
}

qsizetype EditBuffer::cost(const Change& change) { return change.removed.size() + change.inserted.size() + stepCost; }

}  // namespace orvanta
