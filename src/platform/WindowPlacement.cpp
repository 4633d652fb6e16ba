#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {

QPoint centredOver(QSize frame, const QRect &target, const QRect &available)
{
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(target.center());
    // The far edges give way first, so the title bar stays on the screen.
    const int right = std::max(available.left(), available.right() + 1 - frame.width());
    const int bottom = std::max(available.top(), available.bottom() + 1 - frame.height());
    return {std::clamp(placed.left(), available.left(), right),
            std::clamp(placed.top(), available.top(), bottom)};
}

QPoint centredPosition(QSize frame, const QRect &available)
{
    return centredOver(frame, available, available);
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

namespace {

class MaximiseRefusal final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowStateChange && window->isMaximized())
            window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
        return false;
    }
};

} // namespace

void refuseMaximise(QWidget *window)
{
    window->installEventFilter(new MaximiseRefusal(window));
}

} // namespace platform
