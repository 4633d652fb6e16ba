#include "UrlOpener.h"

#include <QDesktopServices>
#include <QLoggingCategory>

namespace platform {
namespace {

// Silent unless turned on, e.g. QT_LOGGING_RULES="kelo.links.warning=true".
Q_LOGGING_CATEGORY(lcLinks, "kelo.links", QtCriticalMsg)

void openInBrowser(const QString &address)
{
    // The result says only whether a launcher was found. The user is not
    // told, as with every failed launch; a line in the log says why nothing
    // opened.
    if (!QDesktopServices::openUrl(toUrl(address)))
        qCWarning(lcLinks, "no browser could be started for %s", qUtf8Printable(address));
}

} // namespace

QUrl toUrl(const QString &address)
{
    // Read as already encoded, so that escapes such as %2B stay escapes and
    // nothing is encoded a second time. The tolerant reading only mends what
    // no encoded address holds, such as a bare space.
    return QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode);
}

UrlOpenerSeam &urlOpenerSeam()
{
    static UrlOpenerSeam seam(openInBrowser);
    return seam;
}

void OpenUrl(const QString &address)
{
    urlOpenerSeam()(address);
}

} // namespace platform
