#include "controls/text_box_accessible.h"

#include "controls/text_box.h"
#include "controls/text_slice.h"

#include <QAccessibleWidget>

namespace orvanta {

namespace {

// Characters either side of an offset among which a screen reader's character, word or sentence
// is looked for.
constexpr int neighbourhood = 256;

// A few characters of a box's text, for Qt's own search of a boundary: it reads the whole text it
// is given, which for a pasted megabyte would be for every move of the cursor.
class TextNearOffset : public QAccessibleTextInterface {
public:
    explicit TextNearOffset(const QString& text) : text_(text) {}

    QString text(int startOffset, int endOffset) const override {
        return text_.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QString text_;
};

using BoundaryQuery = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;

class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? box()->text() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    // Text
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const bool selected = selectionIndex == 0 && box()->hasSelectedText();
        *startOffset = selected ? box()->selectionStart() : 0;
        *endOffset = selected ? box()->selectionStart() + box()->selectionLength() : 0;
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int /*selectionIndex*/) override { box()->deselect(); }
    void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QRect rect = box()->characterRect(offset);
        return rect.isNull() ? rect : rect.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override { return box()->positionAt(box()->mapFromGlobal(point)); }
    void scrollToSubstring(int startIndex, int endIndex) override {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        return nearOffset(&QAccessibleTextInterface::textBeforeOffset, offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        // There is no word or sentence at the very end of the text, and Qt's own search for one
        // there would never end.
        const bool wordOrSentence = type == QAccessible::WordBoundary || type == QAccessible::SentenceBoundary;
        if (wordOrSentence && resolved(offset) >= characterCount()) {
            *start = *end = characterCount();
            return {};
        }
        return nearOffset(&QAccessibleTextInterface::textAtOffset, offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
        return nearOffset(&QAccessibleTextInterface::textAfterOffset, offset, type, start, end);
    }

    // Editable text
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        box()->setSelection(startOffset, endOffset - startOffset);
        box()->insert(text);
    }

private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }

    // Qt's ways of asking at the cursor and at the end.
    int resolved(int offset) const {
        if (offset == -2) return box()->cursorPosition();
        if (offset == -1) return characterCount();
        return offset;
    }

    // Characters, words and sentences are found near the offset; a line is the whole text.
    QString nearOffset(BoundaryQuery query, int offset, QAccessible::TextBoundaryType type, int* start,
                       int* end) const {
        const QString& text = box()->text();
        offset = resolved(offset);
        const bool local = type == QAccessible::CharBoundary || type == QAccessible::WordBoundary
                           || type == QAccessible::SentenceBoundary;
        const int from = local ? sliceStart(text, offset - neighbourhood) : 0;
        const int to = local ? sliceEnd(text, offset + neighbourhood) : static_cast<int>(text.size());
        const TextNearOffset near(text.mid(from, to - from));
        const QString found = (near.*query)(offset - from, type, start, end);
        if (*start >= 0) *start += from;
        if (*end >= 0) *end += from;
        return found;
    }
};

QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object) {
    auto* box = qobject_cast<TextBox*>(object);
    return box != nullptr && className == TextBox::staticMetaObject.className() ? new TextBoxAccessible(box) : nullptr;
}

}  // namespace

void registerTextBoxAccessibility() {
    QAccessible::installFactory(textBoxAccessible);  // Qt keeps a factory once, however often installed
}

void announceTextChange(QObject* box, int position, const QString& removed, const QString& inserted) {
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent event(box, position, inserted);
        QAccessible::updateAccessibility(&event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(box, position, removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(box, position, removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void announceSelection(QObject* box, int start, int end) {
    QAccessibleTextSelectionEvent event(box, start, end);
    QAccessible::updateAccessibility(&event);
}

void announceCursor(QObject* box, int position) {
    QAccessibleTextCursorEvent event(box, position);
    QAccessible::updateAccessibility(&event);
}

}  // namespace orvanta
