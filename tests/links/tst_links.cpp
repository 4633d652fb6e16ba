#include "AppConstants.h"
#include "links/PageAddresses.h"
#include "links/PageOpeners.h"
#include "platform/UrlOpener.h"

#include <QTest>

#include "support/Recorders.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

using Opener = void (*)();
Q_DECLARE_METATYPE(Opener)

class LinksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opener_opensItsPageExactly_data()
    {
        QTest::addColumn<Opener>("opener");
        QTest::addColumn<QString>("key");
        QTest::newRow("home") << Opener(links::OpenHomePage) << u"home-page"_s;
        QTest::newRow("help") << Opener(links::OpenHelpWebPage) << u"help-web-page"_s;
        QTest::newRow("download") << Opener(links::OpenDownloadWebPage) << u"download-web-page"_s;
        QTest::newRow("donate") << Opener(links::OpenDonatePage) << u"donate"_s;
        QTest::newRow("coBrand") << Opener(links::OpenCoBrandPage) << u"co-brand"_s;
        QTest::newRow("fullyBranded") << Opener(links::OpenFullyBrandedPage) << u"fully-branded"_s;
        QTest::newRow("softwares") << Opener(links::OpenSoftwaresPage) << u"orvanesoftwares"_s;
    }

    void opener_opensItsPageExactly()
    {
        QFETCH(Opener, opener);
        QFETCH(QString, key);
        BrowserRecorder browser;

        opener();
        opener();

        const QString expected = app::SiteBaseAddress.toString() +
                                 u"/kelo-free-diabetes-risk-calculator/ssd.php?page="_s + key;
        QCOMPARE(browser.addresses, (std::vector<QString>{expected, expected}));
    }

    void siteBaseAddress_isPlainHttpHost()
    {
        const QString base = app::SiteBaseAddress.toString();
        QVERIFY(base.startsWith(u"http://"_s));
        QVERIFY(!base.endsWith(u'/'));
        QVERIFY(!base.sliced(7).contains(u'/'));
    }

    void toUrl_keepsTheAddressAsItStands_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("page") << links::HomePageAddress;
        QTest::newRow("encodedPlus") << u"http://h/p.php?page=x&taf1=a%2Bb"_s;
        QTest::newRow("encodedAmpersandEquals") << u"http://h/p.php?a=%26%3D&b=c"_s;
        QTest::newRow("encodedPercentHash") << u"http://h/p.php?a=%25%23"_s;
        QTest::newRow("encodedUtf8AndCrLf") << u"http://h/p.php?a=%C3%BC%0D%0A"_s;
        QTest::newRow("literalPlus") << u"http://h/p.php?a=b+c"_s;
    }

    void toUrl_keepsTheAddressAsItStands()
    {
        QFETCH(QString, address);
        const QUrl url = platform::toUrl(address);
        QVERIFY(url.isValid());
        QCOMPARE(QString::fromUtf8(url.toEncoded()), address);
    }
};

QTEST_GUILESS_MAIN(LinksTest)
#include "tst_links.moc"
