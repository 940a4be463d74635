#include "controls/line_view.h"

#include "controls/edit_buffer.h"

#include <limits>

namespace orvanta {

namespace {

// Characters laid out either side of the cursor beyond those in sight: every shown character is at
// least a pixel wide, so the window always fills the line; the cursor moves this far before the window follows.
constexpr int spareCharacters = 16;

// The longest stretch measured to place the window exactly; beyond it the view is placed afresh.
// Where both directions share a line, where a character shows depends on the whole line, so such a
// line this long is laid out whole; a longer one shows a window ordered as if it stood alone.
constexpr int measurable = 4 * EditBuffer::largeEdit;

bool mixesDirections(const QString& text) {
    bool rightToLeft = false;
    bool leftToRight = false;
    for (const QChar c : text) {
        const QChar::Direction direction = c.direction();
        rightToLeft |= direction == QChar::DirR || direction == QChar::DirAL;
        leftToRight |= direction == QChar::DirL;
        if (rightToLeft && leftToRight) return true;
    }
    return false;
}

}  // namespace

LineView::LineView(const QString& text) : text_(text) {}

LineView::~LineView() = default;

void LineView::setFont(const QFont& font) {
    font_ = font;
    windowValid_ = false;
    window_.reset();
}

void LineView::edited(int position, int removed, int inserted) {
    const bool wasRightToLeft = rightToLeft_;
    rightToLeft_ = text_.isRightToLeft();  // digits alone leave it open: the whole text is read
    wholeLine_ = text_.size() <= measurable && mixesDirections(text_);
    // An edit within the window leaves the text beyond its left end, and so where that end lies.
    if (rightToLeft_ == wasRightToLeft && position >= windowStart_ && position + removed <= windowEnd_)
        windowEnd_ += inserted - removed;
    else
        windowValid_ = false;
    window_.reset();
}

const TextSlice& LineView::slice() const {
    if (!window_) window_ = std::make_unique<TextSlice>(text_, windowStart_, windowEnd_, font_, rightToLeft_);
    return *window_;
}

void LineView::setWindow(int start, int end) {
    windowStart_ = start;
    windowEnd_ = end;
    windowValid_ = true;
    window_.reset();
}

// A line edit's rule for its whole line, here on the window's part of it: the cursor stays in sight, at
// the edge it left by; text that fits keeps to the edge it reads from; and no space is left past the
// line's right end while its left end is scrolled away.
void LineView::follow(int cursor, int from, int width, int inSight) {
    const int length = this->length();
    const bool rtl = rightToLeft_;
    const int reach = inSight + spareCharacters;
    const int nearby = inSight + 1;  // every position in sight lies within this many characters of the cursor
    if (wholeLine_) {
        if (!windowValid_ || windowStart_ != 0 || windowEnd_ != length) moveWindow(0, length, cursor, from, width);
    } else if (!windowValid_ || windowEnd_ - windowStart_ > 3 * reach
               || (windowStart_ > 0 && cursor - windowStart_ < nearby)
               || (windowEnd_ < length && windowEnd_ - cursor < nearby)) {
        moveWindow(sliceStart(text_, cursor - reach), sliceEnd(text_, cursor + reach), cursor, from, width);
    }
    const bool holdsLeftEnd = rtl ? windowEnd_ == length : windowStart_ == 0;
    const bool holdsRightEnd = rtl ? windowStart_ == 0 : windowEnd_ == length;
    if (holdsLeftEnd) {  // measured from here on, with the view kept where it was
        scroll_ -= qRound(windowX_);
        windowX_ = 0;
        exactX_ = true;
    }
    const TextSlice& window = slice();
    const int widthUsed = holdsRightEnd ? qRound(windowX_ + window.width()) + 1 : std::numeric_limits<int>::max() / 2;
    const int cursorX = qRound(windowX_ + window.x(cursor));
    if (holdsLeftEnd && holdsRightEnd && widthUsed <= width)
        scroll_ = rtl ? widthUsed - width + 1 : 0;
    else if (cursorX - scroll_ >= width)
        scroll_ = cursorX - width + 1;
    else if (cursorX - scroll_ < 0 && scroll_ < widthUsed)
        scroll_ = cursorX;
    else if (widthUsed - scroll_ < width)
        scroll_ = widthUsed - width + 1;
    else if (holdsLeftEnd)
        scroll_ = std::max(0, scroll_);
}

// The window's left end (its start, or its end in right-to-left text) moves by the width of the
// stretch between the old and the new one, or lies as far from the line's left end as the stretch
// between them is wide. Past what is measured, the cursor comes in at the edge it moves towards, as in
// a line edit.
void LineView::moveWindow(int start, int end, int cursor, int from, int width) {
    const bool rtl = rightToLeft_;
    const int oldLeft = rtl ? windowEnd_ : windowStart_;
    const int newLeft = rtl ? end : start;
    const int lineLeft = rtl ? length() : 0;
    const auto rightwards = [this, rtl](int from, int to) {  // how far right `to` lies of `from`
        const qreal width = TextSlice(text_, std::min(from, to), std::max(from, to), font_, rtl).width();
        return (rtl ? to < from : to > from) ? width : -width;
    };
    const int toLineLeft = std::abs(newLeft - lineLeft);
    const bool valid = windowValid_;
    setWindow(start, end);
    if (valid && std::abs(newLeft - oldLeft) <= std::min(toLineLeft, measurable)) {
        windowX_ += rightwards(oldLeft, newLeft);
        return;
    }
    if (toLineLeft <= measurable) {
        windowX_ = rightwards(lineLeft, newLeft);
        if (exactX_) return;
        exactX_ = true;
    } else {
        windowX_ = 0;
        exactX_ = false;
    }
    const int cursorX = qRound(windowX_ + slice().x(cursor));
    scroll_ = (rtl ? cursor < from : cursor > from) ? cursorX - width : cursorX + 1;
}

std::optional<qreal> LineView::x(int position) const {
    if (position < windowStart_ || position > windowEnd_) return std::nullopt;
    return left() + slice().x(position);
}

int LineView::positionAt(qreal x, QTextLine::CursorPosition where) const {
    return slice().positionAt(x - left(), where);
}

}  // namespace orvanta
