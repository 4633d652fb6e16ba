#include "WindowPlacement.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLayout>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>

namespace platform {
namespace {

// The margins the window manager draws around the program's windows, as one
// of its windows already framed shows them; none before the first is framed.
QMargins knownFrameMargins(const QWidget *except)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other == except || !other->isVisible())
            continue;
        const QRect frame = other->frameGeometry();
        const QRect client = other->geometry();
        if (frame != client)
            return {client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom()};
    }
    return {};
}

// A window placed before it is shown is placed by a guess at its frame: the
// window manager adds the title bar and borders only when it takes the window
// on. Once it has, the real frame is centred instead. The window manager does
// so in its own time, and not always with an event the window hears of, so
// from the moment the window shows its frame is looked at now and then, for a
// while. Only that first framing counts: the user may move the window
// afterwards. A window with an owner is centred over the owner's frame, as
// the owner stands then; one without, on its screen.
class RecentreWhenFramed final : public QObject
{
public:
    explicit RecentreWhenFramed(QWidget *window, const QWidget *owner = nullptr)
        : QObject(window)
        , m_window(window)
        , m_owner(owner)
    {
        m_looks.setInterval(LookInterval);
        connect(&m_looks, &QTimer::timeout, this, &RecentreWhenFramed::look);
        window->installEventFilter(this);
        if (window->isVisible())
            startLooking();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && !m_looks.isActive())
            startLooking();
        return false;
    }

private:
    static constexpr std::chrono::milliseconds LookInterval{20};
    static constexpr std::chrono::milliseconds LookFor{3000};

    void startLooking()
    {
        m_deadline.setRemainingTime(LookFor);
        m_looks.start();
    }

    void look()
    {
        const QWindow *handle = m_window->windowHandle();
        const QMargins margins = handle ? handle->frameMargins() : QMargins();
        if (margins.isNull()) {
            // No window manager frames it, or not yet.
            if (m_deadline.hasExpired())
                stopLooking();
            return;
        }
        stopLooking();
        const QScreen *screen = m_window->screen();
        if (!screen)
            return;
        const QRect client = m_window->geometry();
        const QRect frame = client.marginsAdded(margins);
        const QRect available = screen->availableGeometry();
        const QPoint centred = m_owner
                                   ? centredOver(frame.size(), m_owner->frameGeometry(), available)
                                   : centredPosition(frame.size(), available);
        // Placed by its client area, which Qt always takes as given.
        if (centred != frame.topLeft())
            m_window->setGeometry(
                QRect(centred + QPoint(margins.left(), margins.top()), client.size()));
    }

    void stopLooking()
    {
        m_looks.stop();
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QWidget *m_window;
    QPointer<const QWidget> m_owner;
    QTimer m_looks;
    QDeadlineTimer m_deadline;
};

// Puts a maximised window back at once.
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

// Centres the window over the owner's frame, or on its screen without an
// owner.
void centre(QWidget *window, const QWidget *owner)
{
    const QWidget *onScreenOf = owner ? owner : window;
    const QScreen *screen =
        onScreenOf->screen() ? onScreenOf->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window whose layout fixes its size has the size of an empty window
    // until the layout first runs.
    if (QLayout *layout = window->layout())
        layout->activate();
    const QSize frame = window->size().grownBy(knownFrameMargins(window));
    const QRect available = screen->availableGeometry();
    window->move(owner ? centredOver(frame, owner->frameGeometry(), available)
                       : centredPosition(frame, available));
    // Only an X11 window manager frames a window the program places; the
    // other platforms have no frame to wait for, or place windows themselves.
    if (QGuiApplication::platformName() == u"xcb" && window->frameGeometry() == window->geometry())
        new RecentreWhenFramed(window, owner);
}

} // namespace

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
    centre(window, nullptr);
}

void centreOver(QWidget *window, const QWidget *owner)
{
    centre(window, owner);
}

void refuseMaximise(QWidget *window)
{
    window->installEventFilter(new MaximiseRefusal(window));
}

} // namespace platform
