#include "text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orvanta {

namespace {

// A key that QLineEdit types as text, over the selection: printable, without Ctrl (AltGr may hold it).
bool typesText(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    return !event->text().isEmpty() && (event->text().front().isPrint() || event->text().front().isSurrogate());
}

// The caption of a standard menu entry without its shortcut, in Qt's own translation.
bool isStandardEntry(const QAction* action, const char* caption) {
    return action->text().section('\t', 0, 0) == QLineEdit::tr(caption);
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
    connect(this, &QLineEdit::textChanged, this, &TextBox::countEdit);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly()) {
        if (event->matches(QKeySequence::Paste)) {
            pasteClipboard();
            event->accept();
            return;
        }
        const bool cuts = event->matches(QKeySequence::Cut);
        const bool removes = cuts || event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
        if ((removes || typesText(event)) && selectionLength() > largeEdit) {
            if (cuts) copy();
            removeSelectionIfLarge();
            if (removes) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);  // types the key where the selection was
}

// A middle click pastes the X11 selection at the cursor, as QLineEdit does.
void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && !isReadOnly() && clipboard->supportsSelection()
        && rect().contains(event->position().toPoint())) {
        const QString pasted = clipboard->text(QClipboard::Selection);
        if (pasted.size() > largeEdit) {
            deselect();
            replaceIfLarge(cursorPosition(), cursorPosition(), pasted);
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Qt's own menu, with Cut, Paste and Delete going through this box.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (isStandardEntry(action, "Cu&t")) takeOver(menu, action, &TextBox::cutSelection);
        if (isStandardEntry(action, "&Paste")) takeOver(menu, action, &TextBox::pasteClipboard);
        if (isStandardEntry(action, "Delete")) takeOver(menu, action, &TextBox::deleteSelection);
    }
    menu->popup(event->globalPos());
}

void TextBox::takeOver(QMenu* menu, QAction* standard, void (TextBox::*edit)()) {
    auto* own = new QAction(standard->icon(), standard->text(), menu);
    own->setEnabled(standard->isEnabled());
    connect(own, &QAction::triggered, this, edit);
    menu->insertAction(standard, own);
    menu->removeAction(standard);
}

bool TextBox::replaceIfLarge(int start, int end, const QString& inserted) {
    if (end - start + inserted.size() <= largeEdit) return false;
    QString edited = text();
    edited.replace(start, end - start, inserted);
    setText(edited);  // a new text starts a fresh undo history
    setCursorPosition(start + static_cast<int>(inserted.size()));
    setModified(true);
    recorded_ = 0;
    emit textEdited(edited);
    return true;
}

bool TextBox::removeSelectionIfLarge() {
    return hasSelectedText() && replaceIfLarge(selectionStart(), selectionEnd(), QString());
}

void TextBox::pasteClipboard() {
    const QString pasted = QGuiApplication::clipboard()->text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : start;
    if (!replaceIfLarge(start, end, pasted)) paste();
}

void TextBox::cutSelection() {
    if (selectionLength() <= largeEdit) return cut();
    copy();
    removeSelectionIfLarge();
}

void TextBox::deleteSelection() {
    if (!removeSelectionIfLarge()) del();
}

// Undo, redo and every change of the text count: the history only grows.
void TextBox::countEdit(const QString& newText) {
    recorded_ += std::max<qsizetype>(1, std::abs(newText.size() - length_));
    length_ = newText.size();
    // Later, once QLineEdit has finished the edit under way.
    if (recorded_ > historyLimit) QMetaObject::invokeMethod(this, &TextBox::limitHistory, Qt::QueuedConnection);
}

void TextBox::limitHistory() {
    if (recorded_ <= historyLimit) return;
    const int cursor = cursorPosition();
    const int anchor = !hasSelectedText() ? cursor : cursor == selectionStart() ? selectionEnd() : selectionStart();
    const bool modified = isModified();
    setText(text());  // even the same text starts a fresh undo history
    if (anchor == cursor)
        setCursorPosition(cursor);
    else
        setSelection(anchor, cursor - anchor);
    setModified(modified);
    recorded_ = 0;
}

}  // namespace orvanta
