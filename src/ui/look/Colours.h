#pragma once

#include <QRgb>

class QWidget;

// Colours as the layouts give them, #RRGGBB.
namespace ui {

namespace colour {
inline constexpr QRgb White = 0xFFFFFF;
inline constexpr QRgb Black = 0x000000;
inline constexpr QRgb DarkGreen = 0x004000;
inline constexpr QRgb Navy = 0x000040;
inline constexpr QRgb PaleGreen = 0x80FF80;
inline constexpr QRgb BrightGreen = 0x00FF00;
inline constexpr QRgb Blue = 0x0000C0;
inline constexpr QRgb NavyBlue = 0x000080;
inline constexpr QRgb Yellow = 0xFFFF00;
inline constexpr QRgb Lavender = 0xC0C0FF;

// The backgrounds a fixed text colour is designed against, whatever the
// desktop's theme: text boxes and lists are white, buttons the classic light
// face.
inline constexpr QRgb TextBoxBackground = White;
inline constexpr QRgb ButtonFace = 0xF0F0F0;
// Buttons whose layouts give no colours: black on the light face they have
// always had on a light desktop (Qt's own, one shade from ButtonFace, which
// no eye tells apart), now also on a dark one.
inline constexpr QRgb PlainButtonText = Black;
inline constexpr QRgb PlainButtonFace = 0xEFEFEF;
// The entry chosen in an open list: white on the classic selection navy.
inline constexpr QRgb Selection = 0x000080;
inline constexpr QRgb SelectedText = White;
} // namespace colour

// Text colour of a single control: label, text box, list or button, with the
// background its design implies for text boxes, lists and buttons, so that a
// dark desktop theme cannot put the designed text on a dark ground. Labels
// stand on their container's background. Not for containers: their children
// would inherit it.
void setTextColour(QWidget *control, QRgb rgb);

// Caption colour and face of a button.
void setButtonColours(QWidget *button, QRgb text, QRgb face);

// Text colour of the entries of an open drop-down list, on the ground of a
// text box, with the chosen entry standing out from both.
void setListColours(QWidget *listView, QRgb text);

// Makes the widget paint an opaque background of this colour.
void setBackgroundColour(QWidget *widget, QRgb rgb);

// Caption colour and opaque background of a frame; its controls keep their own
// text colours.
void setFrameColours(QWidget *frame, QRgb text, QRgb background);

} // namespace ui
