#pragma once

#include <QCursor>

namespace ui {

// The pointing hand shown over every clickable label: a 32 x 32 image of our
// own with its hot spot on the fingertip.
QCursor handCursor();

} // namespace ui
