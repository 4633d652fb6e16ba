#pragma once

#include "AppConstants.h"

#include <QStringView>

// The address of every page of the maker's site that the program opens: the
// site base address, the program's page script and the page key. Nothing else
// is appended and nothing is escaped.
#define KELO_PAGE_SCRIPT KELO_SITE_BASE_ADDRESS u"/kelo-free-diabetes-risk-calculator/ssd.php"
#define KELO_PAGE_ADDRESS(key) KELO_PAGE_SCRIPT u"?page=" key

namespace links {

// The page script without a query; the referral address starts with it.
inline constexpr QStringView PageScriptAddress = KELO_PAGE_SCRIPT;

// The program's own folder on the site; a referral carries it.
inline constexpr QStringView SiteFolderAddress =
    KELO_SITE_BASE_ADDRESS u"/kelo-free-diabetes-risk-calculator/";

inline constexpr QStringView HomePageAddress = KELO_PAGE_ADDRESS(u"home-page");
inline constexpr QStringView HelpPageAddress = KELO_PAGE_ADDRESS(u"help-web-page");
inline constexpr QStringView DownloadPageAddress = KELO_PAGE_ADDRESS(u"download-web-page");
inline constexpr QStringView DonatePageAddress = KELO_PAGE_ADDRESS(u"donate");
inline constexpr QStringView CoBrandPageAddress = KELO_PAGE_ADDRESS(u"co-brand");
inline constexpr QStringView FullyBrandedPageAddress = KELO_PAGE_ADDRESS(u"fully-branded");
inline constexpr QStringView SoftwaresPageAddress = KELO_PAGE_ADDRESS(u"orvanesoftwares");

} // namespace links

#undef KELO_PAGE_ADDRESS
