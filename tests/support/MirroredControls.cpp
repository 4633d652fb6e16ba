#include "MirroredControls.h"

#include <QDebug>
#include <QRect>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace support {

QStringList unmirroredControls(QWidget *designed, QWidget *mirrored)
{
    QStringList problems;
    for (const QWidget *control : designed->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"_s) || control->window() != designed)
            continue;
        const QWidget *counterpart = mirrored->findChild<QWidget *>(name);
        const QRect place = control->geometry();
        const QRect mirror(control->parentWidget()->width() - place.x() - place.width(), place.y(),
                           place.width(), place.height());
        // Each edge within a pixel.
        const QRect at = counterpart ? counterpart->geometry() : QRect();
        const QMargins apart(at.left() - mirror.left(), at.top() - mirror.top(),
                             at.right() - mirror.right(), at.bottom() - mirror.bottom());
        if (!counterpart || qAbs(apart.left()) > 1 || qAbs(apart.top()) > 1 ||
            qAbs(apart.right()) > 1 || qAbs(apart.bottom()) > 1)
            QDebug(&problems.emplace_back()) << name << "at" << at << "its mirror image" << mirror;
    }
    return problems;
}

QStringList keyboardOrder(QWidget *window)
{
    QStringList order;
    for (QWidget *at = window->nextInFocusChain(); at != window; at = at->nextInFocusChain()) {
        if (!at->objectName().isEmpty() && at->focusPolicy() & Qt::TabFocus)
            order << at->objectName();
    }
    return order;
}

} // namespace support
