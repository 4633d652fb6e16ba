#include "PageOpeners.h"

#include "PageAddresses.h"
#include "UrlOpener.h"

namespace links {

void OpenHomePage()
{
    OpenUrl(HomePageAddress.toString());
}
void OpenHelpWebPage()
{
    OpenUrl(HelpPageAddress.toString());
}
void OpenDownloadWebPage()
{
    OpenUrl(DownloadPageAddress.toString());
}
void OpenDonatePage()
{
    OpenUrl(DonatePageAddress.toString());
}
void OpenCoBrandPage()
{
    OpenUrl(CoBrandPageAddress.toString());
}
void OpenFullyBrandedPage()
{
    OpenUrl(FullyBrandedPageAddress.toString());
}
void OpenSoftwaresPage()
{
    OpenUrl(SoftwaresPageAddress.toString());
}

} // namespace links
