#pragma once

#include "Fonts.h"

#include <QFont>

// The fonts the program's windows are drawn in, as they were designed:
// Verdana at the sizes the windows share, then the few of one window only
// (MS Sans Serif on the exit screen).
namespace ui {

inline QFont windowFont()
{
    return ui::verdana(8.25);
}

inline QFont boldFont()
{
    return ui::verdana(8.25, {.bold = true});
}

// Frame captions.
inline QFont frameFont()
{
    return ui::verdana(9, {.bold = true});
}

// The main window's links and text boxes.
inline QFont mainLinkFont()
{
    return ui::verdana(8.25, {.bold = true, .underline = true});
}

inline QFont textBoxFont()
{
    return ui::verdana(9.75);
}

// The about window's links.
inline QFont aboutLinkFont()
{
    return ui::verdana(8.25, {.underline = true});
}

// Bold and larger: the exit screen's frame captions and message, the score
// window's score line.
inline QFont largeBoldFont()
{
    return ui::verdana(9.75, {.bold = true});
}

// Window titles drawn inside the window (the about window's).
inline QFont titleFont()
{
    return ui::verdana(14.25, {.bold = true});
}

// The exit screen: the system's dialog font, its caption, its links and
// texts, and its large button.
inline QFont dialogFont()
{
    return ui::msSansSerif(8.25);
}

inline QFont exitCaptionFont()
{
    return ui::msSansSerif(18);
}

inline QFont exitLinkFont()
{
    return ui::verdana(9, {.bold = true, .underline = true});
}

inline QFont exitTextFont()
{
    return ui::verdana(9);
}

inline QFont exitLargeButtonFont()
{
    return ui::verdana(14.25);
}

} // namespace ui
