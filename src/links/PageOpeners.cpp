#include "PageOpeners.h"

#include "PageAddresses.h"
#include "platform/UrlOpener.h"

namespace links {

void OpenHomePage()
{
    platform::OpenUrl(HomePageAddress);
}
void OpenHelpWebPage()
{
    platform::OpenUrl(HelpPageAddress);
}
void OpenDownloadWebPage()
{
    platform::OpenUrl(DownloadPageAddress);
}
void OpenDonatePage()
{
    platform::OpenUrl(DonatePageAddress);
}
void OpenCoBrandPage()
{
    platform::OpenUrl(CoBrandPageAddress);
}
void OpenFullyBrandedPage()
{
    platform::OpenUrl(FullyBrandedPageAddress);
}
void OpenSoftwaresPage()
{
    platform::OpenUrl(SoftwaresPageAddress);
}

} // namespace links
