#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// Refer-a-friend: the five values of the exit screen's panel, their checks
// and the address on the maker's site that carries them; the site does the
// sending. This decides; the exit screen shows the problem or opens the
// address.
namespace links {

// The panel's values, each trimmed of spaces (code 32) once, as it is read
// from its box.
struct ReferralDetails
{
    ReferralDetails(const QString &senderName, const QString &senderEmail, const QString &message,
                    const QString &friendName, const QString &friendEmail);

    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// One box of the panel: its value, the prompt the box shows while it holds
// nothing else, the message when it is missing, and its name in the address.
struct ReferralField
{
    QString ReferralDetails::*value;
    QStringView prompt;
    QStringView missing;
    QStringView parameter;
};

// The boxes in panel order, the order they are checked in.
inline constexpr std::array<ReferralField, 5> ReferralFields{{
    {&ReferralDetails::senderName, u"Your Name", u"Please Enter Your Name", u"taf1"},
    {&ReferralDetails::senderEmail, u"Your Email Address", u"Please Enter Your Email", u"taf2"},
    {&ReferralDetails::message, u"Your Message", u"Please Enter Your Message", u"taf3"},
    {&ReferralDetails::friendName, u"Friend's Name", u"Please Enter Your Friend's Name", u"taf4"},
    {&ReferralDetails::friendEmail, u"Friend's Email Address", u"Please Enter Your Friend's Email",
     u"taf5"},
}};

// The prompt of the box that holds `value`.
QString referralPrompt(QString ReferralDetails::*value);

// The longest address that can be handed to the browser: the launcher gets
// it as one command-line argument, and Linux refuses a single argument of
// 128 KiB or more (its closing null byte included) before any browser starts.
inline constexpr qsizetype LongestAddress = 128 * 1024 - 1;

// The referral address. Every value travels percent-encoded as UTF-8, so that
// no "&", "=", "#", space or line break in it can change the address.
QString referralAddress(const ReferralDetails &details);

// A referral ready to open, or the message of the first thing that keeps it
// from going: the two e-mail addresses (they must differ, and each must hold
// an "@" and a "."), then each value in panel order (empty, or still its
// prompt), then the length of the address.
struct PreparedReferral
{
    QString address;
    std::optional<QString> problem;
};
PreparedReferral prepareReferral(const ReferralDetails &details);

} // namespace links
