#pragma once

#include "services/twips.h"

#include <QColor>
#include <QPalette>
#include <QPushButton>
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

// A command button, 375 twips high. Enter presses it while it has the focus, as Space does; outside
// a dialog that is all autoDefault does, so the window still has no default button.
inline QPushButton* designedButton(QWidget* window, const char* name, const QString& caption, int left, int top,
                                   int width) {
    auto* button = designed(new QPushButton(caption, window), name, left, top, width, 375);
    button->setAutoDefault(true);
    return button;
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
