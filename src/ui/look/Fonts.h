#pragma once

#include <QFont>

class QString;

// The windows are designed for Verdana and MS Sans Serif. Where a machine lacks
// them, an installed family that looks alike stands in, chosen once.
namespace ui {

struct FontStyle
{
    bool bold = false;
    bool underline = false;
};

QFont verdana(qreal pointSize, FontStyle style = {});
QFont msSansSerif(qreal pointSize, FontStyle style = {});

// The smallest point size a text may be drawn in and stay readable: 7 for
// Latin letters, 8 for Chinese characters and for Devanagari and Arabic
// letters, whose strokes and marks run together sooner. A font shrunk to fit
// its room stops there.
qreal smallestReadablePointSize(const QString &text);

} // namespace ui
