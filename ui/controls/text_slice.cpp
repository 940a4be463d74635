#include "controls/text_slice.h"

#include <algorithm>

namespace orvanta {

int sliceStart(const QString& text, int position) {
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    return position > 0 && position < text.size() && text[position].isLowSurrogate() ? position - 1 : position;
}

int sliceEnd(const QString& text, int position) {
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    return position > 0 && position < text.size() && text[position].isLowSurrogate() ? position + 1 : position;
}

TextSlice::TextSlice(const QString& text, int start, int end, const QFont& font, bool rightToLeft)
    : TextSlice(text, start, end, font, rightToLeft, start, QString()) {}

TextSlice::TextSlice(const QString& text, int start, int end, const QFont& font, bool rightToLeft, int position,
                     const QString& composing)
    : start_(start), end_(end), layout_(text.mid(start, end - start), font) {
    if (!composing.isEmpty() && position >= start && position <= end)
        layout_.setPreeditArea(position - start, composing);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout_.setTextOption(option);
    layout_.beginLayout();
    line_ = layout_.createLine();
    layout_.endLayout();
}

qreal TextSlice::x(int position) const { return line_.cursorToX(std::clamp(position, start_, end_) - start_); }

int TextSlice::positionAt(qreal x, QTextLine::CursorPosition where) const { return start_ + line_.xToCursor(x, where); }

}  // namespace orvanta
