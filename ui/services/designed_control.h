#pragma once

#include "twips.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <initializer_list>

namespace orvanta {

// Puts a control where the window's design has it: its name (tests and tools find it by that)
// and its rectangle in twips relative to its container. A screen reader speaks a button, a label
// or a frame by its caption; a control without one needs an accessible name of its own.
template <class Control>
Control* designed(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(name);
    control->setGeometry(rectFromTwips(left, top, width, height));
    return control;
}

inline void setTextColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

// Drawn elements (labels, lines, pictures) lie beneath the other controls, and of two of them
// the one designed earlier is drawn on top: lowering them in design order leaves them so.
inline void layDrawnElements(std::initializer_list<QWidget*> inDesignOrder) {
    for (QWidget* element : inDesignOrder) element->lower();
}

}  // namespace orvanta
