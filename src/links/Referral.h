#pragma once

#include <QString>

#include <optional>

class QWidget;

// Refer-a-friend: the five values of the exit screen's panel, their checks
// and the address on the maker's site that carries them; the site does the
// sending.
namespace links {

struct ReferralDetails
{
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The message for two e-mail addresses (already trimmed) that cannot be
// sent, or nothing: they must differ, and each must hold an "@" and a ".".
std::optional<QString> emailProblem(const QString &senderEmail, const QString &friendEmail);

// The message for the first value, in panel order, that is empty or still
// its box's prompt once trimmed of spaces; nothing when all are given.
std::optional<QString> detailsProblem(const ReferralDetails &details);

// The referral address. Every value travels percent-encoded as UTF-8, so that
// no "&", "=", "#", space or line break in it can change the address.
QString referralAddress(const ReferralDetails &details);

// The longest address that can be handed to the browser: the launcher gets
// it as one command-line argument, and Linux refuses a single argument of
// 128 KiB or more (its closing null byte included) before any browser starts.
inline constexpr qsizetype LongestAddress = 128 * 1024 - 1;

// The message for a referral whose address is too long to hand over, or
// nothing.
std::optional<QString> addressProblem(const QString &address);

// Checks the details and the length of their address; shows the first problem
// in a message box owned by `owner` (the window the user submitted from) and
// returns nothing, or opens the referral address in the browser and returns
// it.
std::optional<QString> submitReferral(QWidget *owner, const ReferralDetails &details);

} // namespace links
