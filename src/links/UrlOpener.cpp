#include "UrlOpener.h"

#include <QDesktopServices>

namespace links {
namespace {

void openInBrowser(const QString &address)
{
    // The result says only whether a launcher was found; like every failed
    // launch, a false is not reported.
    QDesktopServices::openUrl(toUrl(address));
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

} // namespace links

namespace modHelp {

void OpenUrl(const QString &address)
{
    links::urlOpenerSeam()(address);
}

} // namespace modHelp
