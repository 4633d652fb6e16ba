#pragma once

#include <QString>

namespace modTellAFriend {

// The last referral address built from the exit screen; empty until then.
extern QString strTellAFriendUrl;

} // namespace modTellAFriend

namespace modHelp {

// Opens whatever strTellAFriendUrl holds.
void OpenTellAFriendUrl();

} // namespace modHelp
