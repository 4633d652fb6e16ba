#include "settings/Scramble.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ScrambleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scramble_shiftsEachCodeUpAndBack_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");

        QTest::newRow("installKey") << u"Install"_s << u"Lqvwdoo"_s;
        QTest::newRow("durationKey") << u"Duration"_s << u"Gxudwlrq"_s;
        QTest::newRow("digits") << u"0123456789"_s << u"3456789:;<"_s;
        QTest::newRow("negativeNumber") << u"-3"_s << u"06"_s;
        QTest::newRow("isoDate") << u"2026-12-07"_s << u"535904503:"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("codeZero") << u"\u0000"_s << u"\u0003"_s;
        QTest::newRow("highestKept") << u"\u00FC"_s << u"\u00FF"_s;
        QTest::newRow("latin1Letters") << u"\u00E9t\u00E9"_s << u"\u00ECw\u00EC"_s;
    }

    void scramble_shiftsEachCodeUpAndBack()
    {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(settings::ScrambleText(plain), scrambled);
        QCOMPARE(settings::UnscrambleText(scrambled), plain);
    }

    void scramble_leavesOutWhatItCannotShift_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scrambled");

        QTest::newRow("pastHighestCode") << u"a\u00FEb"_s << u"de"_s;
        QTest::newRow("justPastHighestCode") << u"\u00FDz"_s << u"}"_s;
        QTest::newRow("euroSign") << u"a\u20ACb"_s << u"de"_s;
        QTest::newRow("surrogatePair") << u"x\U0001F600y"_s << u"{|"_s;
        QTest::newRow("nothingShiftable") << u"\u20AC\u00FF"_s << QString();
    }

    void scramble_leavesOutWhatItCannotShift()
    {
        QFETCH(QString, text);
        QFETCH(QString, scrambled);
        QCOMPARE(settings::ScrambleText(text), scrambled);
    }

    void unscramble_leavesOutWhatItCannotShift_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");

        QTest::newRow("belowOffset") << u"d\u0001e"_s << u"ab"_s;
        QTest::newRow("codeTwo") << u"\u0002"_s << QString();
        QTest::newRow("offsetItself") << u"\u0003"_s << u"\u0000"_s;
        QTest::newRow("euroSign") << u"d\u20ACe"_s << u"ab"_s;
        QTest::newRow("highestCode") << u"\u00FF"_s << u"\u00FC"_s;
    }

    void unscramble_leavesOutWhatItCannotShift()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(settings::UnscrambleText(text), plain);
    }
};

QTEST_GUILESS_MAIN(ScrambleTest)
#include "tst_scramble.moc"
