#pragma once

#include <QRect>
#include <Qt>

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

// The horizontal side `alignment` keeps to on screen in `control`: left and
// right swap right to left unless the alignment is absolute, as Qt draws
// labels. Code that moves a control after the window is built keeps to
// this side, so that the mirror image stays one.
Qt::Alignment screenAlignment(const QWidget *control, Qt::Alignment alignment);

} // namespace ui
