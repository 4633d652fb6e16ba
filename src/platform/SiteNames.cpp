#include "AppConstants.h"

// The build gives the web host and the site name as KELO_SITE_HOST and
// KELO_FORUM_NAME, narrow string literals, so that this unit is all that is
// compiled again for another pair. Both are set before any code of the
// program runs.
namespace app {

constinit const QStringView SiteBaseAddress = u"http://" KELO_SITE_HOST;
constinit const QStringView ForumName = u"" KELO_FORUM_NAME;

} // namespace app
