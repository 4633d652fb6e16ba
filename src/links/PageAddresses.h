#pragma once

#include <QString>

// The address of every page of the maker's site that the program opens: the
// site base address, the program's page script and the page key. Nothing else
// is appended and nothing is escaped. Made from the base address as the
// program starts, since the site names are linked in apart from this code;
// so no other constant may be made from them.
namespace links {

// The page script without a query; the referral address starts with it.
extern const QString PageScriptAddress;

// The program's own folder on the site; a referral carries it.
extern const QString SiteFolderAddress;

extern const QString HomePageAddress;
extern const QString HelpPageAddress;
extern const QString DownloadPageAddress;
extern const QString DonatePageAddress;
extern const QString CoBrandPageAddress;
extern const QString FullyBrandedPageAddress;
extern const QString SoftwaresPageAddress;

} // namespace links
