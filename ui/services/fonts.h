#pragma once

#include <QFont>

namespace orvanta {

// The windows name the fonts they were designed with ("MS Sans Serif", Arial,
// Times New Roman). This maps those names to the metric-compatible Liberation
// fonts and makes "MS Sans Serif" 8.25 pt the application's default font.
// Call once after the QApplication exists, before any window is created.
void useOrvantaFonts();

// A font by its designed name, size in points and weight.
QFont designFont(const QString& family, double pointSize, QFont::Weight weight = QFont::Normal);

}  // namespace orvanta
