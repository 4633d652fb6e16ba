#include "Mirroring.h"

#include <QStyle>
#include <QWidget>

namespace ui {

namespace {

// `rect` mirrored within the control's parent right to left, as it is left
// to right. Mirroring twice gives the rectangle back.
QRect visualInParent(const QWidget *control, const QRect &rect)
{
    const QWidget *parent = control->parentWidget();
    return parent ? QStyle::visualRect(control->layoutDirection(), parent->rect(), rect) : rect;
}

} // namespace

void placeAtDesigned(QWidget *control, const QRect &designed)
{
    control->setGeometry(visualInParent(control, designed));
}

QRect designedGeometry(const QWidget *control)
{
    return visualInParent(control, control->geometry());
}

} // namespace ui
