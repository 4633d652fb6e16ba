#include "PageOpeners.h"

#include "PageAddresses.h"
#include "UrlOpener.h"

namespace links {

void OpenHomePage()
{
    OpenUrl(HomePageAddress);
}
void OpenHelpWebPage()
{
    OpenUrl(HelpPageAddress);
}
void OpenDownloadWebPage()
{
    OpenUrl(DownloadPageAddress);
}
void OpenDonatePage()
{
    OpenUrl(DonatePageAddress);
}
void OpenCoBrandPage()
{
    OpenUrl(CoBrandPageAddress);
}
void OpenFullyBrandedPage()
{
    OpenUrl(FullyBrandedPageAddress);
}
void OpenSoftwaresPage()
{
    OpenUrl(SoftwaresPageAddress);
}

} // namespace links
