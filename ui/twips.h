#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orvanta {

// Window geometry is designed in twips; Qt lays out in logical pixels at 96 dpi
// (15 twips each) and its high-DPI scaling takes care of larger screens.
// This is the only place that knows the ratio.
constexpr int twipsPerPixel = 15;

constexpr int twips(int value) { return value / twipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * twipsPerPixel; }

inline QPoint twipsPoint(int left, int top) { return {twips(left), twips(top)}; }
inline QSize twipsSize(int width, int height) { return {twips(width), twips(height)}; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsPoint(left, top), twipsSize(width, height)};
}

}  // namespace orvanta
