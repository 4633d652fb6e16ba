#pragma once

#include <QFont>

// The windows are designed for Verdana and MS Sans Serif. Where a machine lacks
// them, Qt is told once which installed family stands in for each.
namespace platform {

struct FontStyle
{
    bool bold = false;
    bool underline = false;
};

QFont verdana(qreal pointSize, FontStyle style = {});
QFont msSansSerif(qreal pointSize, FontStyle style = {});

// Registers the substitutes; safe to call more than once. The font functions
// above call it themselves, so calling it is only needed to register early.
void registerFontSubstitutes();

} // namespace platform
