#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

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
// The prompt and the message are written in English and shown translated
// (referralPrompt, missingMessage); the parameter never changes.
struct ReferralField
{
    QString ReferralDetails::*value;
    const char *prompt;
    const char *missing;
    QStringView parameter;
};

// The boxes in panel order, the order they are checked in.
// clang-format off
inline constexpr std::array<ReferralField, 5> ReferralFields{{
    {&ReferralDetails::senderName, QT_TRANSLATE_NOOP("Referral", "Your Name"),
     QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name"), u"taf1"},
    {&ReferralDetails::senderEmail, QT_TRANSLATE_NOOP("Referral", "Your Email Address"),
     QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email"), u"taf2"},
    {&ReferralDetails::message, QT_TRANSLATE_NOOP("Referral", "Your Message"),
     QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message"), u"taf3"},
    {&ReferralDetails::friendName, QT_TRANSLATE_NOOP("Referral", "Friend's Name"),
     QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name"), u"taf4"},
    {&ReferralDetails::friendEmail, QT_TRANSLATE_NOOP("Referral", "Friend's Email Address"),
     QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email"), u"taf5"},
}};
// clang-format on

// The prompt of the box that holds `value`, as the box shows it.
QString referralPrompt(QString ReferralDetails::*value);

// The message for a box left empty or holding its prompt, as the user reads
// it.
QString missingMessage(const ReferralField &field);

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
