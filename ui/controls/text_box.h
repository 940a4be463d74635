#pragma once

#include <QLineEdit>

class QMenu;

namespace orvanta {

// A single-line text box without a length limit whose undo history stays small. QLineEdit records
// 20 bytes of undo for every character added or removed and never gives that memory back, so
// pasting a megabyte and clearing it again would keep 40 MB. Here an edit of more than largeEdit
// characters (a paste, or removing or typing over a selection) replaces the text as a whole and
// starts a fresh history; the history is also started afresh once it has recorded historyLimit
// characters. Ordinary typing keeps its undo.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

    static constexpr int largeEdit = 4096;
    static constexpr int historyLimit = 65536;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool replaceIfLarge(int start, int end, const QString& inserted);
    bool removeSelectionIfLarge();
    void pasteClipboard();
    void cutSelection();
    void deleteSelection();
    void takeOver(QMenu* menu, QAction* standard, void (TextBox::*edit)());
    void countEdit(const QString& newText);
    void limitHistory();

    qsizetype length_ = 0;
    qsizetype recorded_ = 0;  // characters added or removed since the history was last started afresh
};

}  // namespace orvanta
