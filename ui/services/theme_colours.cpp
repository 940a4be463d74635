#include "services/theme_colours.h"

#include <cmath>

namespace orvanta {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool isDarkPalette(const QPalette& palette) {
    return relativeLuminance(palette.color(QPalette::Window)) < relativeLuminance(palette.color(QPalette::WindowText));
}

QColor designedOrRole(const QPalette& palette, const QColor& designed, QPalette::ColorRole role) {
    return isDarkPalette(palette) ? palette.color(role) : designed;
}

QColor readableGround(const QColor& ground, const QColor& textColour, double contrast) {
    const QColor away = relativeLuminance(textColour) > relativeLuminance(ground) ? Qt::black : Qt::white;
    QColor result = ground.toRgb();
    for (int step = 1; step <= 50 && contrastRatio(result, textColour) < contrast; ++step)
        result = mixed(ground.toRgb(), away, step / 50.0);
    result.setAlpha(ground.alpha());
    return result;
}

QPalette designedLightPalette() {
    // Qt's own light colours (its Fusion palette), which the program shows without a theme. Written
    // out, since Fusion's standardPalette() turns dark with a dark desktop from Qt 6.5 on.
    const struct {
        QPalette::ColorRole role;
        QColor colour;
        QColor disabled;
    } roles[] = {
        {QPalette::WindowText, Qt::black, QColor(190, 190, 190)},
        {QPalette::Button, QColor(239, 239, 239), QColor(239, 239, 239)},
        {QPalette::Light, Qt::white, Qt::white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190)},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, Qt::black, QColor(190, 190, 190)},
        {QPalette::BrightText, Qt::white, Qt::white},
        {QPalette::ButtonText, Qt::black, QColor(190, 190, 190)},
        {QPalette::Base, Qt::white, QColor(239, 239, 239)},
        {QPalette::Window, QColor(239, 239, 239), QColor(239, 239, 239)},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
        {QPalette::HighlightedText, Qt::white, Qt::white},
        {QPalette::Link, Qt::blue, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta, Qt::magenta},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, Qt::black, Qt::black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
    };
    QPalette palette;
    for (const auto& [role, colour, disabled] : roles) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

}  // namespace orvanta
