#include "AccessKeyTyping.h"

#include <QKeyEvent>

void AccessKeyTyping::suppressIn(QObject *textBox)
{
    textBox->installEventFilter(new AccessKeyTyping(textBox));
}

bool AccessKeyTyping::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::ShiftModifier;
        if (modifiers == Qt::AltModifier && !key->text().isEmpty())
            return true;
    }
    return QObject::eventFilter(watched, event);
}
