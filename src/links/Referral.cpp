#include "Referral.h"

#include "PageAddresses.h"
#include "UrlOpener.h"
#include "platform/MessageBox.h"
#include "platform/TrimSpaces.h"

#include <QUrl>

#include <array>

using namespace Qt::Literals::StringLiterals;
using platform::trimSpaces;

namespace links {

namespace {

struct Field
{
    QString ReferralDetails::*value;
    QStringView prompt;
    QStringView message;
};

const std::array<Field, 5> Fields{{
    {&ReferralDetails::senderName, u"Your Name", u"Please Enter Your Name"},
    {&ReferralDetails::senderEmail, u"Your Email Address", u"Please Enter Your Email"},
    {&ReferralDetails::message, u"Your Message", u"Please Enter Your Message"},
    {&ReferralDetails::friendName, u"Friend's Name", u"Please Enter Your Friend's Name"},
    {&ReferralDetails::friendEmail, u"Friend's Email Address", u"Please Enter Your Friend's Email"},
}};

QString encoded(const QString &value)
{
    // Only the unreserved characters of RFC 3986 stay as they are.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

std::optional<QString> emailProblem(const QString &senderEmail, const QString &friendEmail)
{
    if (senderEmail == friendEmail)
        return u"Please Enter Distinct Email Addresses"_s;
    if (!senderEmail.contains(u'@') || !friendEmail.contains(u'@'))
        return u"Please Enter Proper Email Address"_s;
    if (!senderEmail.contains(u'.') || !friendEmail.contains(u'.'))
        return u"Please Enter Proper Email Address"_s;
    return std::nullopt;
}

std::optional<QString> detailsProblem(const ReferralDetails &details)
{
    for (const Field &field : Fields) {
        const QString value = trimSpaces(details.*field.value);
        if (value.isEmpty() || value == field.prompt)
            return field.message.toString();
    }
    return std::nullopt;
}

QString referralAddress(const ReferralDetails &details)
{
    return PageScriptAddress.toString() + u"?page=trevo-refer-a-friend"_s + u"&taf1="_s +
           encoded(trimSpaces(details.senderName)) + u"&taf2="_s +
           encoded(trimSpaces(details.senderEmail)) + u"&taf3="_s +
           encoded(trimSpaces(details.message)) + u"&taf4="_s +
           encoded(trimSpaces(details.friendName)) + u"&taf5="_s +
           encoded(trimSpaces(details.friendEmail)) + u"&taf6="_s +
           encoded(SiteFolderAddress.toString());
}

std::optional<QString> addressProblem(const QString &address)
{
    // The address is plain ASCII: one byte a character.
    if (address.size() > LongestAddress)
        return u"This referral is too long to send. Please shorten your message, or another "
               u"box, and press Refer A Friend Now again."_s;
    return std::nullopt;
}

std::optional<QString> submitReferral(QWidget *owner, const ReferralDetails &details)
{
    std::optional<QString> problem = detailsProblem(details);
    const QString address = problem ? QString() : referralAddress(details);
    if (!problem)
        problem = addressProblem(address);
    if (problem) {
        platform::showMessage(owner, *problem, platform::MessageIcon::Critical);
        return std::nullopt;
    }
    OpenUrl(address);
    return address;
}

} // namespace links
