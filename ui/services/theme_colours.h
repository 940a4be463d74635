#pragma once

#include <QColor>
#include <QPalette>

namespace orvanta {

// Contrast of two colours by the WCAG relative-luminance formula, from 1 (none) to 21 (black on
// white). Alpha is ignored.
double contrastRatio(const QColor& first, const QColor& second);

// The contrast WCAG AA asks of ordinary text.
constexpr double readableContrast = 4.5;

// Whether the palette draws light text on a dark window.
bool isDarkPalette(const QPalette& palette);

// The design's fixed colours assume a light window. On a dark theme the palette role that plays
// the same part takes their place.
QColor designedOrRole(const QPalette& palette, const QColor& designed, QPalette::ColorRole role);

// The ground itself where text in textColour reaches the contrast on it; otherwise the ground moved
// towards black (or white, for dark text) just far enough that it does.
QColor readableGround(const QColor& ground, const QColor& textColour, double contrast);

// The toolkit's light palette, the look the windows were designed in, whatever the theme.
QPalette designedLightPalette();

}  // namespace orvanta
