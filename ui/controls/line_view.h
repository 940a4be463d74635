#pragma once

#include "controls/text_slice.h"

#include <QFont>
#include <QString>

#include <memory>
#include <optional>

namespace orvanta {

// Which part of a one-line text is shown and how far it is scrolled, as a line edit scrolls its
// whole text. Only a window of the text around the cursor is laid out, so a pasted megabyte costs
// what a number does. Positions are the text's; x is in pixels from the left end of the shown line.
//
// The line of the whole text lies `scroll_` pixels left of the shown line; the window's left end lies
// at windowX_ on the whole line. That is exact while the window holds the line's left end or was moved
// there from such a window (exactX_), and a guess after a jump too far to measure.
class LineView {
public:
    // The text is read at each call; the caller owns it and tells of every edit.
    explicit LineView(const QString& text);
    ~LineView();

    // Widths change with the font or style: the window is laid out afresh.
    void setFont(const QFont& font);
    // After an edit at `position` that removed and inserted that many characters.
    void edited(int position, int removed, int inserted);
    // Keeps the cursor in sight on a line `width` pixels wide, at the edge it left by, coming from
    // `from`; no more than `inSight` characters fit on the line.
    void follow(int cursor, int from, int width, int inSight);

    // Text whose first letter is of a right-to-left script reads from the right edge, as in a line edit.
    bool rightToLeft() const { return rightToLeft_; }
    const TextSlice& slice() const;
    qreal left() const { return windowX_ - scroll_; }  // where the slice's left end lies
    std::optional<qreal> x(int position) const;        // nullopt outside the window
    int positionAt(qreal x, QTextLine::CursorPosition where) const;

private:
    void setWindow(int start, int end);
    void moveWindow(int start, int end, int cursor, int from, int width);
    int length() const { return static_cast<int>(text_.size()); }

    const QString& text_;
    QFont font_;
    int windowStart_ = 0;
    int windowEnd_ = 0;
    bool windowValid_ = true;  // not after an edit outside it, or a change of direction or font
    qreal windowX_ = 0;
    bool exactX_ = true;
    int scroll_ = 0;
    bool rightToLeft_ = false;
    bool wholeLine_ = false;                     // laid out whole, as a line of both directions is while short enough
    mutable std::unique_ptr<TextSlice> window_;  // laid out when first needed
};

}  // namespace orvanta
