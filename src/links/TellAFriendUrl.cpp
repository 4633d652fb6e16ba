#include "TellAFriendUrl.h"

#include "UrlOpener.h"

namespace modTellAFriend {
QString strTellAFriendUrl;
} // namespace modTellAFriend

namespace modHelp {

void OpenTellAFriendUrl()
{
    OpenUrl(modTellAFriend::strTellAFriendUrl);
}

} // namespace modHelp
