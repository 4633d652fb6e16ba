#include "links/PageAddresses.h"
#include "links/Referral.h"

#include <QTest>
#include <QUrl>

#include "support/Recorders.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;
using links::ReferralDetails;

namespace {

const QString Distinct = u"Please Enter Distinct Email Addresses"_s;
const QString Proper = u"Please Enter Proper Email Address"_s;

ReferralDetails valid()
{
    return {u"Ann"_s, u"ann@example.org"_s, u"Try this"_s, u"Bob"_s, u"bob@example.org"_s};
}

// The query of an address as (name, decoded value) pairs, in order.
QList<std::pair<QString, QString>> decodedQuery(const QString &address)
{
    QList<std::pair<QString, QString>> pairs;
    const QString query = address.sliced(address.indexOf(u'?') + 1);
    for (const QString &pair : query.split(u'&')) {
        const qsizetype equals = pair.indexOf(u'=');
        pairs.append(
            {pair.first(equals), QUrl::fromPercentEncoding(pair.sliced(equals + 1).toLatin1())});
    }
    return pairs;
}

} // namespace

class ReferralTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emailProblem_distinctThenAtThenDot_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("problem"); // empty: none

        QTest::newRow("bothPrompts")
            << u"Your Email Address"_s << u"Friend's Email Address"_s << Proper;
        QTest::newRow("same") << u"a@b.c"_s << u"a@b.c"_s << Distinct;
        QTest::newRow("bothEmpty") << QString() << QString() << Distinct;
        QTest::newRow("caseOnlyDiffers") << u"A@b.c"_s << u"a@b.c"_s << QString();
        QTest::newRow("senderWithoutAt") << u"ab.c"_s << u"d@e.f"_s << Proper;
        QTest::newRow("friendWithoutAt") << u"a@b.c"_s << u"de.f"_s << Proper;
        QTest::newRow("atWithoutDot") << u"a@bc"_s << u"d@e.f"_s << Proper;
        QTest::newRow("friendAtWithoutDot") << u"a@b.c"_s << u"d@ef"_s << Proper;
        QTest::newRow("atAndDotAlone") << u"@."_s << u".@"_s << QString();
        QTest::newRow("dotBeforeAt") << u"a.b@c"_s << u"d@e.f"_s << QString();
    }

    void emailProblem_distinctThenAtThenDot()
    {
        QFETCH(QString, sender);
        QFETCH(QString, friendEmail);
        QFETCH(QString, problem);
        const std::optional<QString> found = links::emailProblem(sender, friendEmail);
        QCOMPARE(found.value_or(QString()), problem);
    }

    void detailsProblem_firstMissingFieldInPanelOrder_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");

        const QString messages[] = {u"Please Enter Your Name"_s, u"Please Enter Your Email"_s,
                                    u"Please Enter Your Message"_s,
                                    u"Please Enter Your Friend's Name"_s,
                                    u"Please Enter Your Friend's Email"_s};
        const QString prompts[] = {u"Your Name"_s, u"Your Email Address"_s, u"Your Message"_s,
                                   u"Friend's Name"_s, u"Friend's Email Address"_s};
        for (int field = 0; field < 5; ++field) {
            QTest::addRow("field%dEmpty", field) << field << QString() << messages[field];
            QTest::addRow("field%dSpaces", field) << field << u"   "_s << messages[field];
            QTest::addRow("field%dPrompt", field) << field << prompts[field] << messages[field];
            QTest::addRow("field%dPaddedPrompt", field)
                << field << u"  "_s + prompts[field] + u" "_s << messages[field];
            QTest::addRow("field%dPromptLowerCase", field)
                << field << prompts[field].toLower() << QString();
        }
        QTest::newRow("messageWithLineBreak") << 2 << u"Your Message\r\n"_s << QString();
        QTest::newRow("nameWithTab") << 0 << u"\t"_s << QString();
    }

    void detailsProblem_firstMissingFieldInPanelOrder()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        ReferralDetails details = valid();
        QString *fields[] = {&details.senderName, &details.senderEmail, &details.message,
                             &details.friendName, &details.friendEmail};
        *fields[field] = value;
        // A later field missing too must not win over this one.
        if (field < 4)
            details.friendEmail.clear();
        const QString expected =
            problem.isEmpty() && field < 4 ? u"Please Enter Your Friend's Email"_s : problem;
        QCOMPARE(links::detailsProblem(details).value_or(QString()), expected);
    }

    void address_carriesEveryValueExactly_data()
    {
        QTest::addColumn<QString>("hostile");
        QTest::newRow("ampersandParameter") << u"x&taf5=evil@attacker.example"_s;
        QTest::newRow("equalsAndHash") << u"a=b#c"_s;
        QTest::newRow("plusAndPercent") << u"1+1=2 100% %41"_s;
        QTest::newRow("spacesInside") << u"Ann  Marie"_s;
        QTest::newRow("lineBreaks") << u"line one\r\nline two\n"_s;
        QTest::newRow("nonAscii") << u"J\u00FCrgen \u00E9t\u00E9 \u20AC \U0001F600"_s;
        QTest::newRow("questionSlash") << u"?page=home-page/../"_s;
    }

    void address_carriesEveryValueExactly()
    {
        QFETCH(QString, hostile);
        const ReferralDetails details{hostile + u"1"_s, u"a@b.c"_s + hostile, hostile,
                                      hostile + u"4"_s, u"d@e.f"_s + hostile};
        const QString address = links::referralAddress(details);

        QVERIFY(address.startsWith(links::PageScriptAddress.toString() +
                                   u"?page=trevo-refer-a-friend&taf1="_s));
        for (const QChar c : address)
            QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(address));
        const QList<std::pair<QString, QString>> expected{
            {u"page"_s, u"trevo-refer-a-friend"_s},
            {u"taf1"_s, details.senderName},
            {u"taf2"_s, details.senderEmail},
            {u"taf3"_s, details.message},
            {u"taf4"_s, details.friendName},
            {u"taf5"_s, details.friendEmail},
            {u"taf6"_s, links::SiteFolderAddress.toString()},
        };
        QCOMPARE(decodedQuery(address), expected);
    }

    void address_keepsUnreservedCharactersAsTheyStand()
    {
        ReferralDetails details = valid();
        details.senderName = u"Az09-._~"_s;
        QVERIFY(links::referralAddress(details).contains(u"&taf1=Az09-._~&"_s));
    }

    void submit_opensTheAddressOncePerPress()
    {
        BrowserRecorder browser;
        MessageRecorder messages;
        const std::optional<QString> first = links::submitReferral(nullptr, valid());
        const std::optional<QString> second = links::submitReferral(nullptr, valid());
        const QString expected = links::referralAddress(valid());
        QCOMPARE(first, expected);
        QCOMPARE(second, expected);
        QCOMPARE(browser.addresses, (std::vector<QString>{expected, expected}));
        QVERIFY(messages.requests.empty());
    }

    // Only an address the launcher can take as one argument is handed over;
    // any longer one is refused with a message, never dropped in silence.
    void submit_refusedShowsOneMessageAndOpensNothing_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("problem");
        const QString tooLong = *links::addressProblem(QString(links::LongestAddress + 1, u'x'));
        ReferralDetails shortest = valid();
        shortest.message = u"x"_s;
        const qsizetype room = links::LongestAddress - links::referralAddress(shortest).size();
        QTest::newRow("stillThePrompt") << u"Your Message"_s << u"Please Enter Your Message"_s;
        QTest::newRow("addressAtTheLimit") << QString(room + 1, u'x') << QString();
        QTest::newRow("addressOneOverTheLimit") << QString(room + 2, u'x') << tooLong;
        // Each one of these becomes six characters of the address.
        QTest::newRow("fullBoxOfAccents") << QString(32767, u'\u00E9') << tooLong;
    }

    void submit_refusedShowsOneMessageAndOpensNothing()
    {
        QFETCH(QString, message);
        QFETCH(QString, problem);
        BrowserRecorder browser;
        MessageRecorder messages;
        ReferralDetails details = valid();
        details.message = message;
        const std::optional<QString> opened = links::submitReferral(nullptr, details);
        if (problem.isEmpty()) {
            QCOMPARE(opened->size(), links::LongestAddress);
            QCOMPARE(browser.addresses, std::vector<QString>{*opened});
            QVERIFY(messages.requests.empty());
            return;
        }
        QCOMPARE(opened, std::nullopt);
        QCOMPARE(messages.requests.size(), size_t(1));
        QCOMPARE(messages.requests.front().text, problem);
        QCOMPARE(messages.requests.front().icon, platform::MessageIcon::Critical);
        QVERIFY(browser.addresses.empty());
    }
};

QTEST_GUILESS_MAIN(ReferralTest)
#include "tst_referral.moc"
