#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvanta {

// Window geometry is designed in twips; Qt lays out in logical pixels at 96 dpi
// (15 twips each) and its high-DPI scaling takes care of larger screens.
// This is the only place that knows the ratio.
constexpr int twipsPerPixel = 15;

constexpr int pixelsFromTwips(int value) { return value / twipsPerPixel; }

inline QPoint pointFromTwips(int left, int top) { return {pixelsFromTwips(left), pixelsFromTwips(top)}; }
inline QSize sizeFromTwips(int width, int height) { return {pixelsFromTwips(width), pixelsFromTwips(height)}; }
inline QRect rectFromTwips(int left, int top, int width, int height) {
    return {pointFromTwips(left, top), sizeFromTwips(width, height)};
}

}  // namespace orvanta
