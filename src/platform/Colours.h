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

// The backgrounds a fixed text colour is designed against, whatever the
// desktop's theme: text boxes and lists are white, buttons the classic light
// face.
inline constexpr QRgb TextBoxBackground = White;
inline constexpr QRgb ButtonFace = 0xF0F0F0;
} // namespace colour

// Text colour of a single control: label, text box, list or button, with the
// background its design implies for text boxes, lists and buttons, so that a
// dark desktop theme cannot put the designed text on a dark ground. Labels
// stand on their container's background. Not for containers: their children
// would inherit it.
void setTextColour(QWidget *control, QRgb rgb);

// Makes the widget paint an opaque background of this colour.
void setBackgroundColour(QWidget *widget, QRgb rgb);

// Caption colour and opaque background of a frame; its controls keep their own
// text colours.
void setFrameColours(QWidget *frame, QRgb text, QRgb background);

} // namespace platform
