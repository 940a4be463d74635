#include "text_box_accessible.h"

#include "text_box.h"

#include <QAccessibleWidget>

namespace orvanta {

namespace {

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

    // Editable text
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        box()->setSelection(startOffset, endOffset - startOffset);
        box()->insert(text);
    }

private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object) {
    auto* box = qobject_cast<TextBox*>(object);
    return box != nullptr && className == TextBox::staticMetaObject.className() ? new TextBoxAccessible(box) : nullptr;
}

}  // namespace

void registerTextBoxAccessibility() {
    static const bool registered = [] {
        QAccessible::installFactory(textBoxAccessible);
        return true;
    }();
    (void)registered;
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
