#pragma once

#include <QRgb>

class QWidget;

// Colours as the layouts give them, #RRGGBB.
namespace platform {

namespace colour {
inline constexpr QRgb White = 0xFFFFFF;
inline constexpr QRgb DarkGreen = 0x004000;
inline constexpr QRgb Navy = 0x000040;
inline constexpr QRgb PaleGreen = 0x80FF80;
inline constexpr QRgb BrightGreen = 0x00FF00;
} // namespace colour

// Text colour of a single control: label, text box, list or button. Not for
// containers: their children would inherit it.
void setTextColour(QWidget *control, QRgb rgb);

// Makes the widget paint an opaque background of this colour.
void setBackgroundColour(QWidget *widget, QRgb rgb);

// Caption colour and opaque background of a frame; its controls keep their own
// text colours.
void setFrameColours(QWidget *frame, QRgb text, QRgb background);

} // namespace platform
