#include "PageOpeners.h"

#include "PageAddresses.h"
#include "UrlOpener.h"

namespace modHelp {

void OpenHomePage()
{
    OpenUrl(links::HomePageAddress.toString());
}
void OpenHelpWebPage()
{
    OpenUrl(links::HelpPageAddress.toString());
}
void OpenDownloadWebPage()
{
    OpenUrl(links::DownloadPageAddress.toString());
}
void OpenDonatePage()
{
    OpenUrl(links::DonatePageAddress.toString());
}
void OpenCoBrandPage()
{
    OpenUrl(links::CoBrandPageAddress.toString());
}
void OpenFullyBrandedPage()
{
    OpenUrl(links::FullyBrandedPageAddress.toString());
}
void OpenSoftwaresPage()
{
    OpenUrl(links::SoftwaresPageAddress.toString());
}

} // namespace modHelp
