#pragma once

#include <QFont>

// The windows are designed for Verdana and MS Sans Serif. Where a machine lacks
// them, an installed family that looks alike stands in, chosen once.
namespace platform {

struct FontStyle
{
    bool bold = false;
    bool underline = false;
};

QFont verdana(qreal pointSize, FontStyle style = {});
QFont msSansSerif(qreal pointSize, FontStyle style = {});

} // namespace platform
