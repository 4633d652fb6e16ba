#include "FocusHandling.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

void dropEvent(QAccessibleEvent *) {}

// Delivers a text box's focus events once more, unannounced, in place of the
// originals: what the box selects as the focus comes and drops as it goes.
class FocusFirst final : public QObject
{
public:
    explicit FocusFirst(QWidget *textBox)
        : QObject(textBox)
    {
        textBox->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool focusEvent =
            event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
        if (!focusEvent || m_delivering)
            return false;
        m_delivering = true;
        changeUnannounced([&] { QCoreApplication::sendEvent(watched, event); });
        m_delivering = false;
        return true;
    }

private:
    bool m_delivering = false;
};

} // namespace

void changeUnannounced(const std::function<void()> &change)
{
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(dropEvent);
    change();
    QAccessible::installUpdateHandler(previous);
}

void announceFocusFirst(QWidget *textBox)
{
    new FocusFirst(textBox);
}

} // namespace ui
