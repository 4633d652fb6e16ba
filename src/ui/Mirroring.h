#pragma once

#include <QRect>

class QWidget;

// Where the controls of the fixed-layout windows go. Every window is designed
// left to right; in a right-to-left language (Arabic) the whole window is
// its mirror image, as right-to-left desktop programs are. Qt mirrors what
// layouts place, but not a control put at a rectangle of its own: that is
// done here, once, for every designed rectangle.
namespace ui {

// Puts `control` at its designed rectangle inside its parent. Right to left,
// the rectangle is mirrored within the parent: x becomes the parent's width
// minus x minus the width. The parent must have its designed size already.
void placeAtDesigned(QWidget *control, const QRect &designed);

// Where `control` is, as the window was designed, left to right: its
// rectangle, mirrored back within its parent in a right-to-left window. Code
// that moves a control after the window is built works on this rectangle
// and puts the control back with placeAtDesigned, so that the window stays
// the mirror image of the left-to-right one, pixel for pixel.
QRect designedGeometry(const QWidget *control);

} // namespace ui
