#pragma once

#include "Fonts.h"

#include <QFont>

// The fonts the program's windows are drawn in: Verdana at the sizes they
// were designed with, and the few of one window only.
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

// The exit screen: the system's dialog font, and its frame captions.
inline QFont dialogFont()
{
    return ui::msSansSerif(8.25);
}

inline QFont exitFrameFont()
{
    return ui::verdana(9.75, {.bold = true});
}

} // namespace ui
