#pragma once

#include <QRect>
#include <QSize>

// The window layouts are designed in twips, 1/1440 inch. At 96 dots per inch
// 15 twips make one device-independent pixel; Qt scales from there for high
// density screens. Layout code keeps the twips as designed and converts here.
namespace ui {

inline constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel. A whole number of twips is never exactly half
// way between two pixels, so there is no tie to break.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel)
                      : -((-2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel));
}

constexpr QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace ui
