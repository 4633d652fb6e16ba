#include "HandCursor.h"

#include <QPixmap>
#include <QPixmapCache>
#include <QString>

using namespace Qt::Literals::StringLiterals;

namespace platform {
namespace {
// Where the fingertip of resources/cursors/hand.png points.
constexpr int HotSpotX = 8;
constexpr int HotSpotY = 0;
} // namespace

QCursor handCursor()
{
    // The pixmap cache, unlike a static, is emptied while the application
    // still exists, so no pixmap outlives it.
    const QString path = u":/cursors/hand.png"_s;
    QPixmap image;
    if (!QPixmapCache::find(path, &image)) {
        image.load(path);
        QPixmapCache::insert(path, image);
    }
    return QCursor(image, HotSpotX, HotSpotY);
}

} // namespace platform
