#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Where a window frame of `frame` size goes to sit centred over `target`,
// kept inside `available` (the screen's area). A frame larger than that area
// keeps its top-left corner, and so its title bar, on it.
QPoint centredOver(QSize frame, const QRect &target, const QRect &available);

// The same, centred in the middle of `available` itself.
QPoint centredPosition(QSize frame, const QRect &available);

// Places a top-level window's frame in the middle of the available area of
// the screen it is on (the primary screen before it is first shown), once its
// layout has fixed its size. Before the window manager has framed it, the
// frame is taken to be as wide as the frames of the program's other windows;
// the window is centred again by its real frame when it is first framed.
void centreOnScreen(QWidget *window);

// The same for a window that belongs to another: centred over its owner's
// frame, on the owner's screen.
void centreOver(QWidget *window, const QWidget *owner);

// Keeps a fixed-size window from being maximised, which it was not designed
// for. Natively on Wayland, Qt draws the title bar itself and always offers
// a maximise button there, whatever the window's flags say; a maximised
// window is put back at once.
void refuseMaximise(QWidget *window);

} // namespace platform
