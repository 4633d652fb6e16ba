#include "Referral.h"

#include "PageAddresses.h"
#include "text/TrimSpaces.h"

#include <QCoreApplication>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;
using text::trimSpaces;

namespace links {
namespace {

QString encoded(const QString &value)
{
    // Only the unreserved characters of RFC 3986 stay as they are.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

std::optional<QString> emailProblem(const QString &senderEmail, const QString &friendEmail)
{
    if (senderEmail == friendEmail)
        return QCoreApplication::translate("Referral", "Please Enter Distinct Email Addresses");
    if (!senderEmail.contains(u'@') || !friendEmail.contains(u'@'))
        return QCoreApplication::translate("Referral", "Please Enter Proper Email Address");
    if (!senderEmail.contains(u'.') || !friendEmail.contains(u'.'))
        return QCoreApplication::translate("Referral", "Please Enter Proper Email Address");
    return std::nullopt;
}

std::optional<QString> missingValue(const ReferralDetails &details)
{
    for (const ReferralField &field : ReferralFields) {
        // The box shows its prompt as translated.
        const QString &value = details.*field.value;
        if (value.isEmpty() || value == referralPrompt(field.value))
            return missingMessage(field);
    }
    return std::nullopt;
}

std::optional<QString> addressProblem(const QString &address)
{
    // The address is plain ASCII: one byte a character.
    if (address.size() > LongestAddress)
        return QCoreApplication::translate(
            "Referral", "This referral is too long to send. Please shorten your message, or "
                        "another box, and press Refer A Friend Now again.");
    return std::nullopt;
}

} // namespace

ReferralDetails::ReferralDetails(const QString &senderName, const QString &senderEmail,
                                 const QString &message, const QString &friendName,
                                 const QString &friendEmail)
    : senderName(trimSpaces(senderName))
    , senderEmail(trimSpaces(senderEmail))
    , message(trimSpaces(message))
    , friendName(trimSpaces(friendName))
    , friendEmail(trimSpaces(friendEmail))
{}

QString referralPrompt(QString ReferralDetails::*value)
{
    for (const ReferralField &field : ReferralFields) {
        if (field.value == value)
            return QCoreApplication::translate("Referral", field.prompt);
    }
    return QString();
}

QString missingMessage(const ReferralField &field)
{
    return QCoreApplication::translate("Referral", field.missing);
}

QString referralAddress(const ReferralDetails &details)
{
    QString address = PageScriptAddress + u"?page=trevo-refer-a-friend"_s;
    for (const ReferralField &field : ReferralFields)
        address += u'&' + field.parameter.toString() + u'=' + encoded(details.*field.value);
    return address + u"&taf6="_s + encoded(SiteFolderAddress);
}

PreparedReferral prepareReferral(const ReferralDetails &details)
{
    if (auto problem = emailProblem(details.senderEmail, details.friendEmail))
        return {QString(), std::move(problem)};
    if (auto problem = missingValue(details))
        return {QString(), std::move(problem)};
    QString address = referralAddress(details);
    std::optional<QString> problem = addressProblem(address);
    return {std::move(address), std::move(problem)};
}

} // namespace links
