#include "CommandButton.h"

#include <QShortcutEvent>

bool CommandButton::event(QEvent *event)
{
    // The only shortcut a button receives is its own access key.
    if (event->type() == QEvent::Shortcut && isEnabled() &&
        !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}
