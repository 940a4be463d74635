#pragma once

#include "services/theme_colours.h"

namespace orvanta {

// The schedule grid's designed colours. They assume a light window; on a dark theme the palette
// shade that plays the same part takes their place.

// Lines between ordinary cells: light grey, or the mid shade that Qt's own styles draw table lines in.
inline QColor gridLineColour(const QPalette& palette) {
    return designedOrRole(palette, QColor(192, 192, 192), QPalette::Mid);
}

// Lines between fixed cells: black, which on a dark theme would read as a hole; the dark shade
// outlines the cells as black does.
inline QColor fixedGridLineColour(const QPalette& palette) {
    return designedOrRole(palette, QColor(0, 0, 0), QPalette::Dark);
}

// The part of the grid beside and below the last cells: mid grey, or the dark shade, which stays as
// dark as the window around it.
inline QColor gridEmptyAreaColour(const QPalette& palette) {
    return designedOrRole(palette, QColor(128, 128, 128), QPalette::Dark);
}

}  // namespace orvanta
