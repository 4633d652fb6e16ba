#pragma once

#include <QStringList>

class QWidget;

namespace support {

// Each named control of `mirrored` that is not, within a pixel, at the mirror
// image of the same control's place in `designed` (the same window laid out
// left to right): x becomes the parent's width minus x minus the width, the
// rest stays. Qt's own parts (named "qt_...") and pop-up windows are left out.
QStringList unmirroredControls(QWidget *designed, QWidget *mirrored);

// The names of the named controls of `window` that take the focus, in the
// order Tab goes through them.
QStringList keyboardOrder(QWidget *window);

} // namespace support
