#pragma once

// One routine per page of the maker's site; each opens its page in the
// default browser and reports nothing.
namespace links {

void OpenHomePage();
void OpenHelpWebPage();
void OpenDownloadWebPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullyBrandedPage();
void OpenSoftwaresPage();

} // namespace links
