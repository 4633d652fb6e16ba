#include "HandCursor.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>
#include <QString>

using namespace Qt::Literals::StringLiterals;

namespace ui {
namespace {
// Where the fingertip of resources/cursors/hand.png points.
constexpr int HotSpotX = 8;
constexpr int HotSpotY = 0;

class CursorHolder final : public QObject
{
public:
    CursorHolder(const QCursor &shared, QObject *owner)
        : QObject(owner)
        , cursor(shared)
    {}
    const QCursor cursor;
};
} // namespace

QCursor handCursor()
{
    // One cursor for every control: each new QCursor from a pixmap is a new
    // cursor on the display. It belongs to the application object, so it
    // goes while the application still exists.
    static QPointer<CursorHolder> holder;
    if (!holder) {
        QPixmap image(u":/cursors/hand.png"_s);
        holder = new CursorHolder(QCursor(image, HotSpotX, HotSpotY), QCoreApplication::instance());
    }
    return holder->cursor;
}

} // namespace ui
