#include "app/CoBrand.h"
#include "app/frmStartup.h"
#include "platform/Random.h"
#include "ui/main/frmMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using app::CoBrandEffect;

Q_DECLARE_METATYPE(CoBrandEffect)

namespace {

// The offer label a click in the middle of the offer frame would reach.
QString offerInFront(frmMain &form)
{
    auto *frame = form.findChild<QGroupBox *>(u"fraFullBrand"_s);
    auto *coBrand = form.findChild<QLabel *>(u"lblCobrand"_s);
    const QWidget *front = frame->childAt(coBrand->geometry().center());
    return front ? front->objectName() : QString();
}

} // namespace

class CoBrandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void draw_picksNumberAndOffer_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("front");

        QTest::newRow("zero") << 0.0f << 1 << u"lblCobrand"_s;
        QTest::newRow("x1.375") << 0.0625f << 1 << u"lblCobrand"_s;
        QTest::newRow("x2.5TiesToEven2") << 0.25f << 2 << u"lblFullBrand"_s;
        QTest::newRow("justBelow3.5") << 0.4166666f << 3 << u"lblCobrand"_s;
        QTest::newRow("x5.5TiesToEven6") << 0.75f << 6 << u"lblFullBrand"_s;
        QTest::newRow("x6.625") << 0.9375f << 7 << u"lblFullBrand"_s;
        QTest::newRow("largestDraw") << std::nextafter(1.0f, 0.0f) << 7 << u"lblFullBrand"_s;
    }

    void draw_picksNumberAndOffer()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QFETCH(QString, front);

        platform::ScopedRandomDraw draw([r] { return r; });
        frmStartup startup;
        startup.CoBrand_Randomize();
        QCOMPARE(startup.intCoBrandRandomNumber, number);
        QCOMPARE(offerInFront(startup.mainWindow()), front);
    }

    void draw_sevenLeavesTheOfferInFrontAsItWas()
    {
        frmStartup startup;
        startup.mainWindow().BringOfferToFront(frmMain::Offer::CoBrand);
        platform::ScopedRandomDraw draw([] { return 0.95f; });
        startup.CoBrand_Randomize();
        QCOMPARE(startup.intCoBrandRandomNumber, 7);
        QCOMPARE(offerInFront(startup.mainWindow()), u"lblCobrand"_s);
    }

    void number_halfwayGoesToEven_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        // Only 0.25 and 0.75 put x exactly half way (2.5 and 5.5); their
        // neighbours one step away must round the other way.
        QTest::newRow("2.5") << 0.25f << 2;
        QTest::newRow("5.5") << 0.75f << 6;
        QTest::newRow("justAbove2.5") << std::nextafter(0.25f, 1.0f) << 3;
        QTest::newRow("justBelow5.5") << std::nextafter(0.75f, 0.0f) << 5;
    }

    void number_halfwayGoesToEven()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QCOMPARE(app::coBrandNumber(r), number);
    }

    void effect_oddNumbersCoBrandEvenFullBrandSevenNothing_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<CoBrandEffect>("effect");
        for (int number : {1, 3, 5})
            QTest::addRow("%d", number) << number << CoBrandEffect::CoBrandInFront;
        for (int number : {2, 4, 6})
            QTest::addRow("%d", number) << number << CoBrandEffect::FullBrandInFront;
        QTest::newRow("7") << 7 << CoBrandEffect::NoChange;
    }

    void effect_oddNumbersCoBrandEvenFullBrandSevenNothing()
    {
        QFETCH(int, number);
        QFETCH(CoBrandEffect, effect);
        QCOMPARE(app::coBrandEffect(number), effect);
    }

    void generator_drawsStayBelowOne()
    {
        platform::seedRandomDraws();
        for (int draw = 0; draw < 100000; ++draw) {
            const float r = platform::randomDraw();
            QVERIFY(r >= 0.0f);
            QVERIFY(r < 1.0f);
        }
    }
};

QTEST_MAIN(CoBrandTest)
#include "tst_cobrand.moc"
