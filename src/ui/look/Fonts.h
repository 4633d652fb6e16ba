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

// Fontconfig reads its configuration the first time a font is needed: a
// large part of start-up, on the main thread, while a second core may idle.
// Called at the top of main(), this has it read on a worker thread; the first
// font waits until it is done. Fontconfig is not linked: its init function is
// looked up at run time in the process (Qt's GUI library loads it), and where
// it is missing nothing is started.
void preloadFontconfig();

} // namespace ui
