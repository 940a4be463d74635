#include "services/fonts.h"

#include <QApplication>
#include <QWidget>

namespace orvanta {

void useOrvantaFonts() {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QApplication::setFont(designFont("MS Sans Serif", 8.25));
}

void keepDesignedFont(QWidget& window) { window.setFont(designFont("MS Sans Serif", 8.25)); }

QFont designFont(const QString& family, double pointSize, QFont::Weight weight) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    // Set, so that nothing of a theme's font is inherited.
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace orvanta
