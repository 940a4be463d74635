#pragma once

#include "ui/twips.h"

#include <QString>
#include <QWidget>

#include <initializer_list>

namespace orvanta {

// Puts a control where the window's design has it: its name (tests and tools find it by that),
// the name a screen reader speaks, and its rectangle in twips relative to its container.
template <class Control>
Control* designed(Control* control, const char* name, const QString& spokenName, int left, int top, int width,
                  int height) {
    control->setObjectName(name);
    control->setAccessibleName(spokenName);
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

// Drawn elements (labels, lines, pictures) lie beneath the other controls, and of two of them
// the one designed earlier is drawn on top: lowering them in design order leaves them so.
inline void layDrawnElements(std::initializer_list<QWidget*> inDesignOrder) {
    for (QWidget* element : inDesignOrder) element->lower();
}

}  // namespace orvanta
