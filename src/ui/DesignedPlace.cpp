#include "DesignedPlace.h"

#include <QStyle>
#include <QWidget>

namespace ui {

void placeAtDesigned(QWidget *control, const QRect &designed)
{
    const QWidget *parent = control->parentWidget();
    if (!parent) {
        control->setGeometry(designed);
        return;
    }
    control->setGeometry(QStyle::visualRect(control->layoutDirection(), parent->rect(), designed));
}

QRect designedGeometry(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return control->geometry();
    // Mirroring twice gives the rectangle back.
    return QStyle::visualRect(control->layoutDirection(), parent->rect(), control->geometry());
}

} // namespace ui
