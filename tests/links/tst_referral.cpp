#include "links/PageAddresses.h"
#include "links/Referral.h"

#include <QTest>
#include <QUrl>

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
        const ReferralDetails details(u"Ann"_s, sender, u"Hi"_s, u"Bob"_s, friendEmail);
        const std::optional<QString> found = links::prepareReferral(details).problem;
        // Addresses that pass go on to the check of the values: prompts and
        // empty boxes then count as missing.
        if (problem.isEmpty() && found)
            QVERIFY2(found->startsWith(u"Please Enter Your"_s), qPrintable(*found));
        else
            QCOMPARE(found.value_or(QString()), problem);
    }

    void detailsProblem_firstMissingFieldInPanelOrder_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");

        // The addresses are checked before any value (see the e-mail rows).
        for (const int field : {0, 2, 3}) {
            const links::ReferralField &box = links::ReferralFields[field];
            const QString prompt = links::referralPrompt(box.value);
            const QString missing = links::missingMessage(box);
            QTest::addRow("field%dEmpty", field) << field << QString() << missing;
            QTest::addRow("field%dSpaces", field) << field << u"   "_s << missing;
            QTest::addRow("field%dPrompt", field) << field << prompt << missing;
            QTest::addRow("field%dPaddedPrompt", field)
                << field << u"  "_s + prompt + u" "_s << missing;
            QTest::addRow("field%dPromptLowerCase", field)
                << field << prompt.toLower() << QString();
        }
        QTest::newRow("messageWithLineBreak") << 2 << u"Your Message\r\n"_s << QString();
        QTest::newRow("nameWithTab") << 0 << u"\t"_s << QString();
    }

    void detailsProblem_firstMissingFieldInPanelOrder()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        std::array<QString, 5> values{u"Ann"_s, u"ann@example.org"_s, u"Try this"_s, u"Bob"_s,
                                      u"bob@example.org"_s};
        values[field] = value;
        // A later field missing too must not win over this one; the friend's
        // address stays distinct and proper.
        if (field < 3)
            values[3].clear();
        const QString expected =
            problem.isEmpty() && field < 3 ? u"Please Enter Your Friend's Name"_s : problem;
        const ReferralDetails details(values[0], values[1], values[2], values[3], values[4]);
        QCOMPARE(links::prepareReferral(details).problem.value_or(QString()), expected);
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

        QVERIFY(
            address.startsWith(links::PageScriptAddress + u"?page=trevo-refer-a-friend&taf1="_s));
        for (const QChar c : address)
            QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(address));
        const QList<std::pair<QString, QString>> expected{
            {u"page"_s, u"trevo-refer-a-friend"_s}, {u"taf1"_s, details.senderName},
            {u"taf2"_s, details.senderEmail},       {u"taf3"_s, details.message},
            {u"taf4"_s, details.friendName},        {u"taf5"_s, details.friendEmail},
            {u"taf6"_s, links::SiteFolderAddress},
        };
        QCOMPARE(decodedQuery(address), expected);
    }

    void address_keepsUnreservedCharactersAsTheyStand()
    {
        ReferralDetails details = valid();
        details.senderName = u"Az09-._~"_s;
        QVERIFY(links::referralAddress(details).contains(u"&taf1=Az09-._~&"_s));
    }

    // Only an address the launcher can take as one argument is handed over;
    // any longer one is refused with a message, never dropped in silence.
    void prepare_onlyAnAddressOneArgumentHoldsGoesOut_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("problem");
        const ReferralDetails shortest(u"Ann"_s, u"ann@example.org"_s, u"x"_s, u"Bob"_s,
                                       u"bob@example.org"_s);
        const qsizetype room = links::LongestAddress - links::referralAddress(shortest).size();
        const QString tooLong = u"This referral is too long to send. Please shorten your "
                                u"message, or another box, and press Refer A Friend Now again."_s;
        QTest::newRow("stillThePrompt") << u"Your Message"_s << u"Please Enter Your Message"_s;
        QTest::newRow("addressAtTheLimit") << QString(room + 1, u'x') << QString();
        QTest::newRow("addressOneOverTheLimit") << QString(room + 2, u'x') << tooLong;
        // Each one of these becomes six characters of the address.
        QTest::newRow("fullBoxOfAccents") << QString(32767, u'\u00E9') << tooLong;
    }

    void prepare_onlyAnAddressOneArgumentHoldsGoesOut()
    {
        QFETCH(QString, message);
        QFETCH(QString, problem);
        const ReferralDetails details(u"Ann"_s, u"ann@example.org"_s, message, u"Bob"_s,
                                      u"bob@example.org"_s);
        const links::PreparedReferral referral = links::prepareReferral(details);
        QCOMPARE(referral.problem.value_or(QString()), problem);
        if (problem.isEmpty())
            QCOMPARE(referral.address.size(), links::LongestAddress);
    }
};

QTEST_GUILESS_MAIN(ReferralTest)
#include "tst_referral.moc"
