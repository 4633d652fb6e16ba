// The refer-a-friend address from five values typed into the exit screen.
// The input is UTF-16, low byte first; code unit 0 ends each of the first
// four values, and the fifth takes the rest, zeros included.

#include "FuzzCheck.h"
#include "links/PageAddresses.h"
#include "links/Referral.h"
#include "platform/UrlOpener.h"
#include "text/TrimSpaces.h"

#include <QStringList>
#include <QUrl>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

links::ReferralDetails detailsFrom(const QString &text)
{
    std::array<QString, 5> values;
    qsizetype from = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const qsizetype end = i + 1 < values.size() ? text.indexOf(QChar(0), from) : -1;
        if (end < 0) {
            values[i] = text.sliced(from);
            from = text.size();
        } else {
            values[i] = text.sliced(from, end - from);
            from = end + 1;
        }
    }
    return {values[0], values[1], values[2], values[3], values[4]};
}

// What the site can get back of a value: UTF-8 has no form for a lone
// surrogate, which arrives as U+FFFD.
QString expectedValue(const QString &typed)
{
    return QString::fromUtf8(text::trimSpaces(typed).toUtf8());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const links::ReferralDetails details = detailsFrom(fuzz::utf16From(data, size));
    const QString address = links::referralAddress(details);

    // Printable ASCII without a space: nothing for a browser or a mail
    // program to re-encode, cut or wrap. No "#" either, which would end the
    // query early.
    for (const QChar ch : address)
        KELO_FUZZ_CHECK(ch.unicode() > 0x20 && ch.unicode() < 0x7f);
    KELO_FUZZ_CHECK(!address.contains(u'#'));
    // The browser is handed the address exactly as built.
    KELO_FUZZ_CHECK(platform::toUrl(address).toString(QUrl::FullyEncoded) == address);

    const QString start = links::PageScriptAddress + u'?';
    KELO_FUZZ_CHECK(address.startsWith(start));
    const QStringList pairs = address.sliced(start.size()).split(u'&');
    KELO_FUZZ_CHECK(pairs.size() == 7);
    KELO_FUZZ_CHECK(pairs[0] == u"page=trevo-refer-a-friend");

    const std::array<QString, 6> values{
        expectedValue(details.senderName),  expectedValue(details.senderEmail),
        expectedValue(details.message),     expectedValue(details.friendName),
        expectedValue(details.friendEmail), links::SiteFolderAddress};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString name = u"taf%1="_s.arg(i + 1);
        const QString &pair = pairs[qsizetype(i) + 1];
        KELO_FUZZ_CHECK(pair.startsWith(name));
        const QString value = QUrl::fromPercentEncoding(pair.sliced(name.size()).toLatin1());
        KELO_FUZZ_CHECK(value == values[i]);
    }
    return 0;
}
