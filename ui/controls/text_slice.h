#pragma once

#include <QString>
#include <QTextLayout>

namespace orvanta {

// Slices of a text begin and end between the two halves of a surrogate pair, never inside one.
int sliceStart(const QString& text, int position);
int sliceEnd(const QString& text, int position);

// A few characters of the text from `start` laid out alone on one line, as a line edit lays out its
// whole text: in the text's direction, trailing spaces included. Positions are those of the text;
// x is the layout's, from the left end of the slice's line.
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
    qreal width() const { return line_.naturalTextWidth(); }
    const QTextLayout& layout() const { return layout_; }

    qreal x(int position) const;
    // The position nearest to x, or with CursorOnCharacter the one before the character at x.
    int positionAt(qreal x, QTextLine::CursorPosition where = QTextLine::CursorBetweenCharacters) const;

private:
    int start_;
    int end_;
    QTextLayout layout_;
    QTextLine line_;
};

}  // namespace orvanta
