#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {

QPoint centredPosition(QSize frame, const QRect &available)
{
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(available.center());
    return {std::max(placed.left(), available.left()), std::max(placed.top(), available.top())};
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window whose layout fixes its size has the size of an empty window
    // until the layout first runs.
    if (QLayout *layout = window->layout())
        layout->activate();
    window->move(centredPosition(window->frameGeometry().size(), screen->availableGeometry()));
}

} // namespace platform
