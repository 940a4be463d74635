#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace orvanta {

inline const QString programName = QStringLiteral("Orvanta");

// One of the two labels of the shadowed product name: "Orvanta" in Arial 32.25 pt bold, sized to
// its text. Index 0 is the title in the default text colour, index 1 its grey shadow.
QLabel* productNameLabel(int index, QWidget* container, int leftTwips, int topTwips);

// The program's picture, shown at its own size with its transparent colour.
QLabel* programPicture(QWidget* container, const char* name, int leftTwips, int topTwips);

}  // namespace orvanta
