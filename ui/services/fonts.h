#pragma once

#include <QFont>

class QWidget;

namespace orvanta {

// The windows name the fonts they were designed with ("MS Sans Serif", Arial,
// Times New Roman). This maps those names to the metric-compatible Liberation
// fonts and makes "MS Sans Serif" 8.25 pt the application's default font.
// Call once after the QApplication exists, before any window is created.
void useOrvantaFonts();

// Gives a window of fixed layout the design's default font as its own. A platform theme may set
// the application font after start-up (qt6ct does), and the fixed layouts would cut its larger text.
void keepDesignedFont(QWidget& window);

// A font by its designed name, size in points and weight, upright and plain.
QFont designFont(const QString& family, double pointSize, QFont::Weight weight = QFont::Normal);

}  // namespace orvanta
