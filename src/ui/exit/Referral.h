#pragma once

#include <QString>

#include <optional>

class QWidget;

// Refer-a-friend: the five values of the exit screen's panel, their checks
// and the address on the maker's site that carries them; the site does the
// sending.
namespace modTellAFriend {

struct ReferralDetails
{
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The values of the last submission; the exit screen fills them.
extern ReferralDetails Referral;

// The message for two e-mail addresses (already trimmed) that cannot be
// sent, or nothing: they must differ, and each must hold an "@" and a ".".
std::optional<QString> emailProblem(const QString &senderEmail, const QString &friendEmail);

// The message for the first value, in panel order, that is empty or still
// its box's prompt once trimmed of spaces; nothing when all are given.
std::optional<QString> detailsProblem(const ReferralDetails &details);

// The referral address. Every value travels percent-encoded as UTF-8, so that
// no "&", "=", "#", space or line break in it can change the address.
QString referralAddress(const ReferralDetails &details);

// Checks Referral; shows the first problem in a message box owned by `owner`
// (the window the user submitted from), or stores the address in
// strTellAFriendUrl and opens it.
void SubmitReferral(QWidget *owner);

} // namespace modTellAFriend
