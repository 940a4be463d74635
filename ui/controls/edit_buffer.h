#pragma once

#include <QString>

#include <algorithm>
#include <optional>
#include <vector>

namespace orvanta {

// The text of a single-line box with its cursor, selection and undo, without a widget. Every
// operation looks only at the text near the cursor, except edits, which change the text once.
//
// Undo memory stays small whatever is pasted: an edit of more than largeEdit characters cannot be
// undone and starts a fresh history, and the oldest steps are forgotten once the history holds
// more than historyLimit characters.
class EditBuffer {
public:
    static constexpr int largeEdit = 4096;
    static constexpr int historyLimit = 65536;

    // Where a cursor movement or a removal goes from the cursor.
    enum class Step { PreviousCharacter, NextCharacter, PreviousWord, NextWord, Start, End };

    // What an edit did at `position`: the text removed there and the text put in its place.
    struct Change {
        int position;
        QString removed;
        QString inserted;
    };

    const QString& text() const { return text_; }
    int length() const { return static_cast<int>(text_.size()); }
    int cursor() const { return cursor_; }
    int anchor() const { return anchor_; }
    bool hasSelection() const { return cursor_ != anchor_; }
    int selectionStart() const { return std::min(cursor_, anchor_); }
    int selectionEnd() const { return std::max(cursor_, anchor_); }
    QString selectedText() const { return text_.mid(selectionStart(), selectionEnd() - selectionStart()); }

    // A new text, with the cursor at its end and a fresh history.
    void setText(const QString& text);

    // Moves the cursor; with `mark` the anchor stays, so the selection grows or shrinks.
    void moveCursor(int position, bool mark);
    void move(Step step, bool mark);
    void setSelection(int start, int length);
    void selectAll() { setSelection(0, length()); }
    void selectWordAt(int position);

    // The position a step leads to from `position`, found near it.
    int target(int position, Step step) const;

    // Edits, each one step of undo; nullopt when the text stays as it was.
    std::optional<Change> insert(const QString& text);  // over the selection
    std::optional<Change> type(const QString& text);    // as insert; follows typing before it in one step
    std::optional<Change> remove(Step step);            // the selection, or from the cursor to the step
    std::optional<Change> removeSelection();
    // The selected text taken to `position` and selected there, as one step; nullopt where it is dropped on itself.
    std::optional<Change> moveSelection(int position);
    std::optional<Change> undo();
    std::optional<Change> redo();
    bool isUndoAvailable() const { return done_ > 0; }
    bool isRedoAvailable() const { return done_ < history_.size(); }

    // Every step's bookkeeping counts as this many characters held for undo and redo.
    static constexpr int stepCost = 32;

private:
    // As a line edit groups its undo: a run of typing, of Backspace or of Delete is one step, and so is a
    // removal of a selection or a word with the one run that follows it.
    enum class Kind { Other, Removal, Typing, Backspacing, Deleting };
    struct Record {
        Change change;
        int cursorBefore;
        int anchorBefore;
        Kind kind;
    };

    std::optional<Change> replace(int start, int end, const QString& inserted, Kind kind);
    Change apply(int position, int removedLength, const QString& inserted);
    bool merge(const Change& change, Kind kind);
    void record(Record step);
    void forgetOldest();
    static qsizetype cost(const Change& change);

    QString text_;
    int cursor_ = 0;
    int anchor_ = 0;
    std::vector<Record> history_;
    std::size_t done_ = 0;       // history_[0, done_) is applied, the rest can be redone
    bool mergeable_ = false;     // nothing but typing, erasing or a removal since the last step
    qsizetype historySize_ = 0;  // characters held for undo and redo
};

}  // namespace orvanta
