#pragma once

#include "ui/look/Fonts.h"

#include <QFont>

// The fonts the program's windows are drawn in: Verdana at the sizes they
// were designed with. A window keeps any font only it uses to itself.
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

} // namespace ui
