#include "controls/text_box.h"

#include "controls/text_box_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>

#include <array>

namespace orvanta {

namespace {

// The space between the frame's inside and the text, as a line edit leaves it.
constexpr int horizontalMargin = 2;
constexpr int verticalMargin = 1;

// Characters either side of the cursor that an input method sees.
constexpr int surroundingCharacters = 256;

using Step = EditBuffer::Step;

// A key that types its text over the selection: printable, without Ctrl (AltGr may hold it).
bool typesText(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    return !event->text().isEmpty() && (event->text().front().isPrint() || event->text().front().isSurrogate());
}

struct MoveKey {
    QKeySequence::StandardKey key;
    Step step;
    bool mark;
};

constexpr std::array moveKeys = {
    MoveKey{QKeySequence::MoveToPreviousChar, Step::PreviousCharacter, false},
    MoveKey{QKeySequence::MoveToNextChar, Step::NextCharacter, false},
    MoveKey{QKeySequence::SelectPreviousChar, Step::PreviousCharacter, true},
    MoveKey{QKeySequence::SelectNextChar, Step::NextCharacter, true},
    MoveKey{QKeySequence::MoveToPreviousWord, Step::PreviousWord, false},
    MoveKey{QKeySequence::MoveToNextWord, Step::NextWord, false},
    MoveKey{QKeySequence::SelectPreviousWord, Step::PreviousWord, true},
    MoveKey{QKeySequence::SelectNextWord, Step::NextWord, true},
    MoveKey{QKeySequence::MoveToStartOfLine, Step::Start, false},
    MoveKey{QKeySequence::MoveToEndOfLine, Step::End, false},
    MoveKey{QKeySequence::SelectStartOfLine, Step::Start, true},
    MoveKey{QKeySequence::SelectEndOfLine, Step::End, true},
    MoveKey{QKeySequence::MoveToStartOfBlock, Step::Start, false},
    MoveKey{QKeySequence::MoveToEndOfBlock, Step::End, false},
    MoveKey{QKeySequence::SelectStartOfBlock, Step::Start, true},
    MoveKey{QKeySequence::SelectEndOfBlock, Step::End, true},
};

// The platform's keys are Windows' where Ctrl+Y is Redo; Qt binds it there alone.
bool windowsKeys() {
    return QKeySequence::keyBindings(QKeySequence::Redo).contains(QKeySequence(Qt::CTRL | Qt::Key_Y));
}

// In right-to-left text the arrows move the way they point: Left goes on to the next character.
Step mirrored(Step step) {
    switch (step) {
    case Step::PreviousCharacter: return Step::NextCharacter;
    case Step::NextCharacter: return Step::PreviousCharacter;
    case Step::PreviousWord: return Step::NextWord;
    case Step::NextWord: return Step::PreviousWord;
    case Step::Start:
    case Step::End: break;
    }
    return step;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QWidget(parent), view_(buffer_.text()) {
    registerTextBoxAccessibility();
    view_.setFont(font());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed, QSizePolicy::LineEdit));
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    setAcceptDrops(true);
}

TextBox::~TextBox() = default;

void TextBox::setText(const QString& text) {
    const QString old = buffer_.text();
    buffer_.setText(text);
    changed(old == text ? std::nullopt : std::optional<EditBuffer::Change>({0, old, text}), false);
}

void TextBox::setCursorPosition(int position) {
    buffer_.moveCursor(position, false);
    changed(std::nullopt, false);
}

void TextBox::setSelection(int start, int length) {
    buffer_.setSelection(start, length);
    changed(std::nullopt, false);
}

void TextBox::selectAll() { setSelection(0, buffer_.length()); }

void TextBox::deselect() { setCursorPosition(buffer_.cursor()); }

void TextBox::undo() { changed(buffer_.undo(), true); }

void TextBox::redo() { changed(buffer_.redo(), true); }

void TextBox::cut() {
    if (!hasSelectedText()) return;
    copy();
    del();
}

void TextBox::copy() const {
    if (hasSelectedText()) QGuiApplication::clipboard()->setText(selectedText());
}

void TextBox::paste() { insert(QGuiApplication::clipboard()->text()); }

void TextBox::del() { changed(buffer_.remove(Step::NextCharacter), true); }

void TextBox::insert(const QString& text) {
    changed(text.isEmpty() ? buffer_.removeSelection() : buffer_.insert(text), true);
}

// Every change of text, cursor or selection ends here: the view follows the cursor, then screen
// readers and the signals learn of it.
void TextBox::changed(const std::optional<EditBuffer::Change>& change, bool byUser) {
    const int from = shownCursor_;
    const bool cursorMoved = buffer_.cursor() != shownCursor_;
    const bool selectionChanged = buffer_.selectionStart() != std::min(shownCursor_, shownAnchor_)
                                  || buffer_.selectionEnd() != std::max(shownCursor_, shownAnchor_);
    shownCursor_ = buffer_.cursor();
    shownAnchor_ = buffer_.anchor();
    if (change)
        view_.edited(change->position, static_cast<int>(change->removed.size()),
                     static_cast<int>(change->inserted.size()));
    scrollToCursor(from);
    restartBlinking();
    update();
    updateMicroFocus();  // the input method follows the cursor

    if (QAccessible::isActive()) {
        if (change) announceTextChange(this, change->position, change->removed, change->inserted);
        if (selectionChanged) announceSelection(this, buffer_.selectionStart(), buffer_.selectionEnd());
        if (cursorMoved || change) announceCursor(this, buffer_.cursor());
    }
    if (change) {
        if (byUser) emit textEdited(text());
        emit textChanged(text());
    }
}

// Where the X11 selection lives: what the mouse or Shift selects, for a middle click to paste.
void TextBox::offerSelection() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && clipboard->supportsSelection()) clipboard->setText(selectedText(), QClipboard::Selection);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // As a line edit does, the box tells of Enter and lets its parent have the key as well.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit returnPressed();
        event->ignore();
        return;
    }
    if (handleEditKey(event) || handleMoveKey(event)) return event->accept();
    if (typesText(event)) {
        changed(buffer_.type(event->text()), true);
        return event->accept();
    }
    event->ignore();
}

bool TextBox::handleEditKey(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->matches(QKeySequence::Undo)) {
        undo();
    } else if (event->matches(QKeySequence::Redo) || event->keyCombination() == (Qt::ControlModifier | Qt::Key_Y)) {
        redo();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        offerSelection();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::DeleteStartOfWord) || event->matches(QKeySequence::DeleteEndOfWord)) {
        // A selection goes alone, as in newer line edits; otherwise the word is selected, then goes with it.
        if (!buffer_.hasSelection())
            buffer_.move(event->matches(QKeySequence::DeleteStartOfWord) ? Step::PreviousWord : Step::NextWord, true);
        changed(buffer_.removeSelection(), true);
    } else if (event->matches(QKeySequence::DeleteEndOfLine)) {
        setSelection(cursorPosition(), buffer_.length() - cursorPosition());
        cut();
    } else if (event->matches(QKeySequence::DeleteCompleteLine)) {
        selectAll();
        cut();
    } else if (event->key() == Qt::Key_Backspace && !control) {
        changed(buffer_.remove(Step::PreviousCharacter), true);
    } else if (event->key() == Qt::Key_Delete && !control) {
        del();
    } else {
        return false;
    }
    return true;
}

bool TextBox::handleMoveKey(QKeyEvent* event) {
    for (const MoveKey& move : moveKeys) {
        if (!event->matches(move.key)) continue;
        const Step step = view_.rightToLeft() ? mirrored(move.step) : move.step;
        const bool byCharacter = move.step == Step::PreviousCharacter || move.step == Step::NextCharacter;
        if (byCharacter && !move.mark && buffer_.hasSelection()) {
            // As a line edit: Windows moves on from the cursor; elsewhere the selection's own end is kept,
            // the logical one whatever the text's direction.
            if (windowsKeys())
                buffer_.moveCursor(buffer_.target(buffer_.cursor(), step), false);
            else
                buffer_.moveCursor(
                    move.step == Step::PreviousCharacter ? buffer_.selectionStart() : buffer_.selectionEnd(), false);
        } else {
            buffer_.move(step, move.mark);
        }
        changed(std::nullopt, false);
        if (move.mark) offerSelection();
        return true;
    }
    return false;
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->replacementLength() > 0) {
        buffer_.setSelection(buffer_.cursor() + event->replacementStart(), event->replacementLength());
    }
    if (!event->commitString().isEmpty() || buffer_.hasSelection()) {
        changed(buffer_.type(event->commitString()), true);
    }
    composing_ = event->preeditString();
    composingCursor_ = static_cast<int>(composing_.size());
    for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor)
            composingCursor_ = std::clamp(attribute.start, 0, static_cast<int>(composing_.size()));
    }
    update();
    event->accept();
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    const int start = sliceStart(text(), buffer_.cursor() - surroundingCharacters);
    const int end = sliceEnd(text(), buffer_.cursor() + surroundingCharacters);
    switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: return cursorRect();
    case Qt::ImFont: return font();
    case Qt::ImCursorPosition: return buffer_.cursor() - start;
    case Qt::ImAnchorPosition: return std::clamp(buffer_.anchor(), start, end) - start;
    case Qt::ImSurroundingText: return text().mid(start, end - start);
    case Qt::ImCurrentSelection: return selectedText();
    default: return QWidget::inputMethodQuery(query);
    }
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) return event->ignore();
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && tripleClick_.isActive()
        && (point - tripleClickPoint_).manhattanLength() < QApplication::startDragDistance()) {
        selectAll();
        offerSelection();
        return;
    }
    const bool mark = event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier);
    if (event->button() == Qt::LeftButton && !mark && inSelection(point)) {
        // As in a line edit: a press on the selection may drag it away, so the selection stays for now.
        pressPoint_ = point;
        dragDelay_.start(QApplication::startDragTime(), this);
        return;
    }
    buffer_.moveCursor(positionAt(point), mark);
    changed(std::nullopt, false);
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    if (dragDelay_.isActive()) {
        if ((event->position().toPoint() - pressPoint_).manhattanLength() > QApplication::startDragDistance())
            startDrag();
        return;
    }
    buffer_.moveCursor(positionAt(event->position().toPoint()), true);
    changed(std::nullopt, false);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragDelay_.isActive()) {
        dragDelay_.stop();
        return deselect();
    }
    if (event->button() == Qt::LeftButton) return offerSelection();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()
        && rect().contains(event->position().toPoint())) {
        insert(clipboard->text(QClipboard::Selection));
    }
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    tripleClickPoint_ = event->position().toPoint();
    tripleClick_.start(QApplication::doubleClickInterval(), this);
    buffer_.selectWordAt(positionAt(tripleClickPoint_));
    changed(std::nullopt, false);
    offerSelection();
}

// The selection dragged out: moved within the box (the drop does it), copied or moved to another program.
void TextBox::startDrag() {
    dragDelay_.stop();
    const int start = buffer_.selectionStart();
    const QString dragged = selectedText();
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setText(dragged);
    drag->setMimeData(data);
    dragging_ = true;
    const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    dragging_ = false;
    // Moved elsewhere: the text leaves the box, if it is still where it was taken from.
    if (action == Qt::MoveAction && drag->target() != this && text().mid(start, dragged.size()) == dragged) {
        buffer_.setSelection(start, static_cast<int>(dragged.size()));
        changed(buffer_.removeSelection(), true);
    }
}

// Text dragged here goes where it is dropped; the cursor shows where that is, as the selection stays.
void TextBox::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void TextBox::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasText()) return event->ignore();
    dropPosition_ = positionAt(event->position().toPoint());
    event->acceptProposedAction();
    update();
}

void TextBox::dragLeaveEvent(QDragLeaveEvent* /*event*/) {
    dropPosition_ = -1;
    update();
}

void TextBox::dropEvent(QDropEvent* event) {
    dropPosition_ = -1;
    if (!event->mimeData()->hasText()) return event->ignore();
    const int position = positionAt(event->position().toPoint());
    event->acceptProposedAction();
    if (dragging_ && event->dropAction() == Qt::MoveAction) {  // the box's own selection, moved as one step
        changed(buffer_.moveSelection(position), true);
        return;
    }
    const QString dropped = event->mimeData()->text();
    buffer_.moveCursor(position, false);
    changed(buffer_.insert(dropped), true);
    if (dragging_) setSelection(position, static_cast<int>(dropped.size()));  // copied within the box
}

// The menu of a line edit, in Qt's own words, which are translated wherever Qt is.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto entry = [this, menu](const char* caption, QKeySequence::StandardKey key, const char* name, bool enabled,
                                    auto slot) {
        QString text = QCoreApplication::translate("QLineEdit", caption);
        if (key != QKeySequence::UnknownKey && QGuiApplication::styleHints()->showShortcutsInContextMenus())
            text += '\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(QIcon::fromTheme(name), text, this, slot);
        action->setObjectName(name);
        action->setEnabled(enabled);
    };
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    const bool selected = hasSelectedText();
    entry("&Undo", QKeySequence::Undo, "edit-undo", isUndoAvailable(), &TextBox::undo);
    entry("&Redo", QKeySequence::Redo, "edit-redo", isRedoAvailable(), &TextBox::redo);
    menu->addSeparator();
    entry("Cu&t", QKeySequence::Cut, "edit-cut", selected, &TextBox::cut);
    entry("&Copy", QKeySequence::Copy, "edit-copy", selected, &TextBox::copy);
    entry("&Paste", QKeySequence::Paste, "edit-paste", clipboard != nullptr && clipboard->hasText(), &TextBox::paste);
    // Unlike the Delete key, the menu's Delete is a step of its own: typing after it is undone apart, as in a line
    // edit.
    entry("Delete", QKeySequence::UnknownKey, "edit-delete", selected, [this] { changed(buffer_.insert({}), true); });
    menu->addSeparator();
    entry("Select All", QKeySequence::SelectAll, "select-all", selectionLength() < buffer_.length(),
          &TextBox::selectAll);
    menu->popup(event->globalPos());
}

void TextBox::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool byKey =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (byKey && !hasSelectedText()) buffer_.selectAll();
    QWidget::focusInEvent(event);
    // Qt tells screen readers of the focus once this handler returns. The cursor and selection are
    // told after it, as a line edit's are: told first, Orca takes them for the news and drops the focus.
    const auto tellCursorAndSelection = [this] { changed(std::nullopt, false); };
    QMetaObject::invokeMethod(this, tellCursorAndSelection, Qt::QueuedConnection);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        buffer_.moveCursor(buffer_.cursor(), false);
    changed(std::nullopt, false);
    QWidget::focusOutEvent(event);
}

void TextBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() == blink_.timerId()) {
        cursorShown_ = !cursorShown_;
        update(cursorRect());
    } else if (event->timerId() == tripleClick_.timerId()) {
        tripleClick_.stop();
    } else if (event->timerId() == dragDelay_.timerId()) {
        startDrag();  // held long enough on the selection, as a line edit has it
    }
}

void TextBox::resizeEvent(QResizeEvent* /*event*/) { scrollToCursor(buffer_.cursor()); }

void TextBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        view_.setFont(font());  // widths have changed
        scrollToCursor(buffer_.cursor());
    }
    QWidget::changeEvent(event);
}

void TextBox::restartBlinking() {
    const int flashTime = QApplication::cursorFlashTime();
    cursorShown_ = hasFocus();
    if (cursorShown_ && flashTime >= 2)
        blink_.start(flashTime / 2, this);
    else
        blink_.stop();
}

void TextBox::initStyleOption(QStyleOptionFrame* option) const {
    option->initFrom(this);
    option->rect = contentsRect();
    option->lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, this);
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken;
    option->features = QStyleOptionFrame::None;
}

QRect TextBox::contentRect() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
}

QRect TextBox::lineRect() const {
    const QRect contents = contentRect();
    const int height = fontMetrics().height();
    const int top = contents.y() + (contents.height() - height + 1) / 2;
    return {contents.x() + horizontalMargin, top, contents.width() - 2 * horizontalMargin, height};
}

// Where on screen the shown part's left end lies.
qreal TextBox::viewLeft() const { return lineRect().x() + view_.left(); }

void TextBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);

    painter.setClipRect(contentRect());
    const QRect line = lineRect();
    const int cursor = buffer_.cursor();
    const bool composing = !composing_.isEmpty();
    const TextSlice& shown = view_.slice();
    // What an input method is composing is laid out with the shown part where it is drawn.
    const std::unique_ptr<TextSlice> composed =
        composing ? std::make_unique<TextSlice>(text(), shown.start(), shown.end(), font(), view_.rightToLeft(), cursor,
                                                composing_)
                  : nullptr;
    const TextSlice& slice = composing ? *composed : shown;
    const QPointF origin(viewLeft(), line.y() - (qRound(slice.ascent()) - fontMetrics().ascent()));
    QList<QTextLayout::FormatRange> selections;
    if (composing) {  // underlined, as input methods expect it
        QTextLayout::FormatRange underline;
        underline.start = cursor - slice.start();
        underline.length = static_cast<int>(composing_.size());
        underline.format.setFontUnderline(true);
        selections.append(underline);
    }
    const int selectionStart = std::max(buffer_.selectionStart(), slice.start());
    const int selectionEnd = std::min(buffer_.selectionEnd(), slice.end());
    if (!composing && selectionStart < selectionEnd) {
        QTextLayout::FormatRange selection;
        selection.start = selectionStart - slice.start();
        selection.length = selectionEnd - selectionStart;
        selection.format.setBackground(palette().brush(QPalette::Highlight));
        selection.format.setForeground(palette().brush(QPalette::HighlightedText));
        selections.append(selection);
    }
    painter.setPen(palette().color(QPalette::Text));
    slice.layout().draw(&painter, origin, selections);

    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    if (dropPosition_ >= slice.start() && dropPosition_ <= slice.end()) {  // where dragged text would go
        slice.layout().drawCursor(&painter, origin, dropPosition_ - slice.start(), cursorWidth);
        return;
    }
    const bool blinksOverSelection = style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &option, this);
    if (cursorShown_ && (blinksOverSelection || !hasSelectedText()) && cursor >= slice.start()
        && cursor <= slice.end()) {
        const int inComposing = composing ? composingCursor_ : 0;
        slice.layout().drawCursor(&painter, origin, cursor - slice.start() + inComposing, cursorWidth);
    }
}

void TextBox::scrollToCursor(int from) { view_.follow(buffer_.cursor(), from, lineRect().width(), width()); }

std::optional<qreal> TextBox::xOf(int position) const {
    const std::optional<qreal> x = view_.x(position);
    return x ? std::optional<qreal>(lineRect().x() + *x) : std::nullopt;
}

QRect TextBox::characterRect(int position) const {
    const std::optional<qreal> left = xOf(position);
    const std::optional<qreal> right = xOf(position + 1);
    if (!left || !right || position >= buffer_.length()) return {};
    const QRect line = lineRect();
    return QRectF(std::min(*left, *right), line.y(), std::abs(*right - *left), line.height()).toAlignedRect();
}

QRect TextBox::cursorRect() const {
    const std::optional<qreal> x = xOf(buffer_.cursor());
    if (!x) return {};
    const QRect line = lineRect();
    return QRect(qRound(*x) - 2, line.y(), 5, line.height());
}

int TextBox::positionAt(const QPoint& point) const { return positionAt(point, QTextLine::CursorBetweenCharacters); }

int TextBox::positionAt(const QPoint& point, QTextLine::CursorPosition where) const {
    return view_.positionAt(point.x() - lineRect().x(), where);
}

bool TextBox::inSelection(const QPoint& point) const {
    const int position = positionAt(point, QTextLine::CursorOnCharacter);
    return hasSelectedText() && position >= buffer_.selectionStart() && position < buffer_.selectionEnd();
}

QSize TextBox::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const int height = std::max(metrics.height(), std::max(14, iconSize - 2)) + 2 * verticalMargin;
    const int width = metrics.horizontalAdvance(u'x') * 17 + 2 * horizontalMargin;
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), this);
}

QSize TextBox::minimumSizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int height = metrics.height() + std::max(2 * verticalMargin, metrics.leading());
    const int width = metrics.maxWidth() + 2 * horizontalMargin;
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), this);
}

}  // namespace orvanta
