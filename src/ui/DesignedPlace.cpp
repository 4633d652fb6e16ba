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
    control->setGeometry(
        QStyle::visualRect(control->layoutDirection(), parent->rect(), designed));
}

Qt::Alignment screenAlignment(const QWidget *control, Qt::Alignment alignment)
{
    return QStyle::visualAlignment(control->layoutDirection(), alignment);
}

} // namespace ui
