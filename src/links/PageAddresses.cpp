#include "PageAddresses.h"

#include "AppConstants.h"

using namespace Qt::Literals::StringLiterals;

namespace links {
namespace {

QString pageAddress(QStringView key)
{
    return PageScriptAddress + u"?page="_s + key.toString();
}

} // namespace

// In order: each address is made from the ones above it.
const QString SiteFolderAddress =
    app::SiteBaseAddress.toString() + u"/kelo-free-diabetes-risk-calculator/"_s;
const QString PageScriptAddress = SiteFolderAddress + u"ssd.php"_s;

const QString HomePageAddress = pageAddress(u"home-page");
const QString HelpPageAddress = pageAddress(u"help-web-page");
const QString DownloadPageAddress = pageAddress(u"download-web-page");
const QString DonatePageAddress = pageAddress(u"donate");
const QString CoBrandPageAddress = pageAddress(u"co-brand");
const QString FullyBrandedPageAddress = pageAddress(u"fully-branded");
const QString SoftwaresPageAddress = pageAddress(u"orvanesoftwares");

} // namespace links
