#pragma once
// The window is laid out in twips (1/1440 inch), as the control table gives it. At
// 96 DPI there are 15 twips to a pixel; on high-DPI screens Qt scales the pixels.
#include <QRect>
#include <QSize>

namespace wallcalc::app {

inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// left, top, width, height in twips → a rectangle in (device-independent) pixels.
constexpr QRect twips(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(pixels(width), pixels(height));
}

}  // namespace wallcalc::app
