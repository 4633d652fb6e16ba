#include "MirroredControls.h"

#include <QRect>
#include <QWidget>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace support {
namespace {

bool withinAPixel(const QRect &a, const QRect &b)
{
    return std::abs(a.left() - b.left()) <= 1 && std::abs(a.right() - b.right()) <= 1 &&
           std::abs(a.top() - b.top()) <= 1 && std::abs(a.bottom() - b.bottom()) <= 1;
}

QString shown(const QRect &r)
{
    return u"(%1, %2, %3 x %4)"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

QStringList unmirroredControls(QWidget *designed, QWidget *mirrored)
{
    QStringList problems;
    for (const QWidget *control : designed->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"_s) || control->window() != designed)
            continue;
        const QWidget *counterpart = mirrored->findChild<QWidget *>(name);
        if (!counterpart) {
            problems << name + u": missing"_s;
            continue;
        }
        const QRect place = control->geometry();
        const QRect mirror(control->parentWidget()->width() - place.x() - place.width(), place.y(),
                           place.width(), place.height());
        if (!withinAPixel(counterpart->geometry(), mirror))
            problems << u"%1 at %2, its mirror image is %3"_s.arg(
                name, shown(counterpart->geometry()), shown(mirror));
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
