#pragma once

#include "controls/edit_buffer.h"
#include "controls/line_view.h"

#include <QBasicTimer>
#include <QTextLine>
#include <QWidget>

class QStyleOptionFrame;

namespace orvanta {

// A single-line text box without a length limit, used by keyboard and mouse as a line edit is.
// It lays out only the few characters around what it shows (LineView), so painting, the blinking
// cursor, focus changes, cursor movement and clicks cost the same for a pasted megabyte as for a
// number; only edits touch the whole text, once. The editing itself is EditBuffer's.
class TextBox : public QWidget {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);
    ~TextBox() override;

    const QString& text() const { return buffer_.text(); }
    void setText(const QString& text);
    int cursorPosition() const { return buffer_.cursor(); }
    void setCursorPosition(int position);
    bool hasSelectedText() const { return buffer_.hasSelection(); }
    QString selectedText() const { return buffer_.selectedText(); }
    int selectionStart() const { return hasSelectedText() ? buffer_.selectionStart() : -1; }
    int selectionLength() const { return buffer_.selectionEnd() - buffer_.selectionStart(); }
    void setSelection(int start, int length);
    void selectAll();
    void deselect();
    bool isUndoAvailable() const { return buffer_.isUndoAvailable(); }
    bool isRedoAvailable() const { return buffer_.isRedoAvailable(); }

    // Where a position of the text is drawn, or an empty rectangle when it is scrolled out of sight.
    QRect characterRect(int position) const;
    int positionAt(const QPoint& point) const;
    QRect cursorRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public slots:
    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void del();
    void insert(const QString& text);

signals:
    void textChanged(const QString& text);
    void textEdited(const QString& text);
    void returnPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool handleEditKey(QKeyEvent* event);
    bool handleMoveKey(QKeyEvent* event);
    void changed(const std::optional<EditBuffer::Change>& change, bool byUser);
    void offerSelection() const;
    void initStyleOption(QStyleOptionFrame* option) const;
    QRect contentRect() const;
    QRect lineRect() const;
    qreal viewLeft() const;
    std::optional<qreal> xOf(int position) const;
    int positionAt(const QPoint& point, QTextLine::CursorPosition where) const;
    bool inSelection(const QPoint& point) const;
    void scrollToCursor(int from);
    void startDrag();
    void restartBlinking();

    EditBuffer buffer_;
    int shownCursor_ = 0;  // where screen readers were last told the cursor and anchor are
    int shownAnchor_ = 0;
    LineView view_;
    QPoint pressPoint_;  // where a drag of the selection may start
    QBasicTimer dragDelay_;
    bool dragging_ = false;    // the box's own selection is being dragged
    int dropPosition_ = -1;    // where dragged text would be dropped
    QString composing_;        // an input method's text not yet committed, shown at the cursor
    int composingCursor_ = 0;  // the cursor within it
    bool cursorShown_ = false;
    QBasicTimer blink_;
    QBasicTimer tripleClick_;
    QPoint tripleClickPoint_;
};

}  // namespace orvanta
