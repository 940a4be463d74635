#pragma once

#include <QString>
#include <QTextLayout>

namespace orvanta {

// Slices of a text begin and end between the two halves of a surrogate pair, never inside one.
int sliceStart(const QString& text, int position);
int sliceEnd(const QString& text, int position);

// A few characters of the text from `start` laid out on one line, in the text's direction.
// Positions are those of the text; an advance is how far a position lies from the slice's start
// in the direction of reading.
class TextSlice {
public:
    TextSlice(const QString& text, int start, int end, const QFont& font, bool rightToLeft);
    // With an input method's composing text shown at `position`; positions after it then lie
    // that many characters further on in the layout.
    TextSlice(const QString& text, int start, int end, const QFont& font, bool rightToLeft, int position,
              const QString& composing);

    int start() const { return start_; }
    int end() const { return end_; }
    qreal ascent() const { return line_.ascent(); }
    QTextLayout& layout() { return layout_; }

    // Where the layout draws a position, and where the slice's start is.
    qreal x(int position) const;
    qreal startX() const { return startX_; }
    qreal advance(int position) const { return rightToLeft_ ? startX_ - x(position) : x(position) - startX_; }

    // The position nearest to an advance, or the last one at or before it.
    int nearest(qreal advance) const;
    int atOrBefore(qreal advance) const;

private:
    int start_;
    int end_;
    bool rightToLeft_;
    QTextLayout layout_;
    QTextLine line_;
    qreal startX_ = 0;
};

}  // namespace orvanta
