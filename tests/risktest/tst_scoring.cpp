#include "platform/Translators.h"
#include "risktest/PersonalDetails.h"
#include "risktest/Scoring.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
namespace test = risktest;
using risktest::UnitSystem;

using Answers = std::array<QString, test::QuestionCount>;
Q_DECLARE_METATYPE(Answers)
Q_DECLARE_METATYPE(UnitSystem)

namespace {

const QString Under45 = u"Less than 45 years old"_s;
const QString Middle = u"Between 45 to 64 years old"_s;
const QString Oldest = u"65 years old or more"_s;
const QString Yes = u"Yes"_s;
const QString No = u"No"_s;

const QString VeryLow = u"You are at a Very Low Risk of having Type 2 Diabetes now."_s;
const QString Low = u"You are at a Low Risk of having Type 2 Diabetes now."_s;
const QString High =
    u"You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor."_s;

} // namespace

class ScoringTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weightChart_limitScoresAndOnePoundBelowDoesNot_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("centimetres");
        const std::array<std::pair<const char16_t *, int>, test::HeightCount> chart{{
            {u"4'10''", 129}, {u"4'11''", 133}, {u"5'0''", 138},  {u"5'1''", 143},  {u"5'2''", 147},
            {u"5'3''", 152},  {u"5'4''", 157},  {u"5'5''", 162},  {u"5'6''", 167},  {u"5'7''", 172},
            {u"5'8''", 177},  {u"5'9''", 182},  {u"5'10''", 188}, {u"5'11''", 193}, {u"6'0''", 199},
            {u"6'1''", 204},  {u"6'2''", 210},  {u"6'3''", 216},  {u"6'4''", 221},
        }};
        const std::array<int, test::HeightCount> centimetres{147, 150, 152, 155, 157, 160, 163,
                                                             165, 168, 170, 173, 175, 178, 180,
                                                             183, 185, 188, 191, 193};
        for (int row = 0; row < test::HeightCount; ++row) {
            const QString height = QString::fromUtf16(chart[row].first);
            QTest::addRow("row%d_%s", row, qPrintable(height))
                << row << height << chart[row].second << centimetres[row];
        }
    }

    void weightChart_limitScoresAndOnePoundBelowDoesNot()
    {
        QFETCH(int, row);
        QFETCH(QString, height);
        QFETCH(int, limit);
        QFETCH(int, centimetres);
        QCOMPARE(test::heightLabel(UnitSystem::Imperial, row), height);
        QCOMPARE(test::heightLabel(UnitSystem::Metric, row), u"%1 cm"_s.arg(centimetres));
        // The limit shown in kilograms is the lightest tenth that scores.
        const int tenths = test::chartLimitTenthsOfKilogram(row);
        QVERIFY(test::poundsFromKilograms({tenths, -1}) >= limit);
        QVERIFY(test::poundsFromKilograms({tenths - 1, -1}) < limit);
        QCOMPARE(test::weightPoints(qint16(limit), row), 5);
        QCOMPARE(test::weightPoints(qint16(limit - 1), row), 0);
        QCOMPARE(test::weightPoints(qint16(limit + 1), row), 5);
    }

    // At and around each limit typed in the exact kilograms (pounds as
    // typed round as the details check says).
    void typedKilograms_scoreFromTheRoundedLimit_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("kilograms");
        QTest::addColumn<int>("points"); // -1: not a valid weight
        // Half pounds and trillionths of a kilogram from the limit.
        const char *cases[] = {"hairUnderEdge", "halfUnder", "hairOverEdge", "limit", "halfOver"};
        const int halves[] = {-1, -1, -1, 0, 1}, hairs[] = {-1, 0, 1, 0, 0};
        const qint64 perHalfPound = 226796185000;
        for (int row = 0; row < test::HeightCount; ++row) {
            const int limit = test::WeightChart[row].limit;
            for (int c = 0; c < 5; ++c) {
                QString kilograms =
                    QString::number((2 * limit + halves[c]) * perHalfPound + hairs[c]);
                kilograms.insert(kilograms.size() - 12, u'.');
                // Rounded half to even, L - 0.5 pounds scores where L is even.
                const bool scores = c >= 2 || (c == 1 && limit % 2 == 0);
                QTest::addRow("row%d_%s", row, cases[c]) << row << kilograms << (scores ? 5 : 0);
            }
        }
        // Valid from over half a pound to under 32767.5 pounds.
        QTest::newRow("halfPound") << 0 << u"0.226796185"_s << -1;
        QTest::newRow("tiny") << 0 << u"1e-300"_s << -1;
        QTest::newRow("largest") << 18 << u"14863.087983974"_s << 5;
        QTest::newRow("halfOverLargest") << 18 << u"14863.087983975"_s << -1;
    }

    void typedKilograms_scoreFromTheRoundedLimit()
    {
        QFETCH(int, row);
        QFETCH(QString, kilograms);
        QFETCH(int, points);
        const std::optional<qint16> pounds =
            test::parseWeight(kilograms, QLocale::c(), UnitSystem::Metric);
        QCOMPARE(pounds ? test::weightPoints(*pounds, row) : -1, points);
    }

    // Qt reports C and POSIX as metric; they keep feet, inches and pounds.
    void systemUnits_followTheLocaleMeasurementsComeFrom_data()
    {
        using Env = QByteArrayList; // LC_ALL, LC_MEASUREMENT, LANG
        QTest::addColumn<Env>("allMeasurementLang");
        QTest::addColumn<UnitSystem>("units");
        for (const char *name : {"C", "POSIX", "C.UTF-8", "en_US.UTF-8", "en_GB", "es_US"})
            QTest::newRow(name) << Env{"", "", name} << UnitSystem::Imperial;
        for (const char *name : {"es_ES", "de_DE.UTF-8", "fr_CA", "en_CA", "en_AU", "es_MX"})
            QTest::newRow(name) << Env{"", "", name} << UnitSystem::Metric;
        QTest::newRow("nothingSet") << Env{"", "", ""} << UnitSystem::Imperial;
        QTest::newRow("measurementOverLang") << Env{"", "de_DE", "en_US"} << UnitSystem::Metric;
        QTest::newRow("measurementCOverLang") << Env{"", "C", "de_DE"} << UnitSystem::Imperial;
        QTest::newRow("allOverMeasurement") << Env{"en_US", "de_DE", "de"} << UnitSystem::Imperial;
    }

    void systemUnits_followTheLocaleMeasurementsComeFrom()
    {
        QFETCH(QByteArrayList, allMeasurementLang);
        QFETCH(UnitSystem, units);
        // Messages in English change nothing.
        qputenv("LC_MESSAGES", "C");
        for (int i = 0; i < 3; ++i)
            qputenv(std::array{"LC_ALL", "LC_MEASUREMENT", "LANG"}[i], allMeasurementLang[i]);
        QCOMPARE(risktest::systemUnitSystem(), units);
    }

    void weightPoints_extremes_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("points");
        for (int row = 0; row < test::HeightCount; ++row)
            QTest::addRow("250pounds_row%d", row) << 250 << row << 5;
        QTest::newRow("largestWeight") << 32767 << 18 << 5;
        QTest::newRow("onePound") << 1 << 0 << 0;
        QTest::newRow("rowBelowChart") << 250 << -1 << 0;
        QTest::newRow("rowAboveChart") << 250 << 19 << 0;
    }

    void weightPoints_extremes()
    {
        QFETCH(int, weight);
        QFETCH(int, row);
        QFETCH(int, points);
        QCOMPARE(test::weightPoints(qint16(weight), row), points);
    }

    void calculateRisk_totalsAndVerdicts_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("weightPoints");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("verdict");

        QTest::newRow("nothingScores") << Answers{Under45, No, Yes, No, No} << 0 << 0 << VeryLow;
        QTest::newRow("twoSinglePoints")
            << Answers{Under45, Yes, Yes, Yes, No} << 0 << 2 << VeryLow;
        QTest::newRow("threeSinglePoints") << Answers{Under45, Yes, Yes, Yes, Yes} << 0 << 3 << Low;
        QTest::newRow("oldestAlone") << Answers{Oldest, No, Yes, No, No} << 0 << 9 << Low;
        QTest::newRow("middleAgeNoExercise") << Answers{Middle, No, No, No, No} << 0 << 10 << High;
        QTest::newRow("oldestNoExercise") << Answers{Oldest, No, No, No, No} << 0 << 14 << High;
        QTest::newRow("typicalRun") << Answers{Middle, No, No, No, Yes} << 5 << 16 << High;
        QTest::newRow("highest") << Answers{Oldest, Yes, No, Yes, Yes} << 5 << 22 << High;
        QTest::newRow("weightAlone") << Answers{Under45, No, Yes, No, No} << 5 << 5 << Low;
        // Answers the wizard never produces: any age outside the two younger
        // bands counts as the oldest, any exercise answer but "Yes" scores,
        // and the other questions score only an exact "Yes".
        QTest::newRow("unknownAgeCountsAsOldest")
            << Answers{u"70"_s, No, Yes, No, No} << 0 << 9 << Low;
        QTest::newRow("emptyAnswers") << Answers{} << 0 << 14 << High;
        QTest::newRow("lowerCaseYesDoesNotScore")
            << Answers{Under45, u"yes"_s, u"yes"_s, u"yes"_s, u"YES"_s} << 0 << 5 << Low;
        QTest::newRow("paddedAgeCountsAsOldest")
            << Answers{Under45 + u' ', No, Yes, No, No} << 0 << 9 << Low;
    }

    void calculateRisk_totalsAndVerdicts()
    {
        QFETCH(Answers, answers);
        QFETCH(int, weightPoints);
        QFETCH(int, total);
        QFETCH(QString, verdict);

        const test::RiskResult result =
            test::calculateRisk({.weightPoints = qint16(weightPoints), .answers = answers});

        QCOMPARE(result.score, total);
        QCOMPARE(result.points.total(), total);
        QCOMPARE(result.points.weight, weightPoints);
        for (int question = 0; question < test::QuestionCount; ++question)
            QCOMPARE(result.points.answers[question],
                     test::answerPoints(question, answers[question]));
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.scoreLine, u"Your Score is: "_s + QString::number(total));
    }

    void verdict_boundaries_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("0") << 0 << VeryLow;
        QTest::newRow("2") << 2 << VeryLow;
        QTest::newRow("3") << 3 << Low;
        QTest::newRow("9") << 9 << Low;
        QTest::newRow("10") << 10 << High;
        QTest::newRow("22") << 22 << High;
    }

    void verdict_boundaries()
    {
        QFETCH(int, total);
        QFETCH(QString, verdict);
        QCOMPARE(test::verdictFor(total), verdict);
        // The one band that holds the total says the same.
        QStringList holding;
        for (const test::RiskBand &band : test::riskBands()) {
            if (band.contains(total))
                holding << band.verdict;
        }
        QCOMPARE(holding, QStringList{verdict});
    }

    void scoreLine_hasNoPaddingOrLeadingZero()
    {
        QCOMPARE(test::scoreLine(0), u"Your Score is: 0"_s);
        QCOMPARE(test::scoreLine(12), u"Your Score is: 12"_s);
        QCOMPARE(test::scoreLine(22), u"Your Score is: 22"_s);
    }

    void calculateRisk_addsToTheScoreItIsGiven()
    {
        const test::RiskResult result =
            test::calculateRisk({.answers = {Middle, No, Yes, No, No}, .score = 4});
        QCOMPARE(result.scoreLine, u"Your Score is: 9"_s);
        QCOMPARE(result.score, 9);
        QCOMPARE(result.verdict, Low);
    }

    void calculateRisk_keepsScoreThatWouldOverflow()
    {
        const test::RiskResult result = test::calculateRisk(
            {.weightPoints = 0, .answers = {Oldest, Yes, No, Yes, Yes}, .score = 32767 - 10});
        QCOMPARE(result.score, 32767 - 10);
    }

    void questions_optionsInOrderWithFirstScoringAsDefault()
    {
        const auto &questions = test::questions();
        QCOMPARE(questions[0].options, (QStringList{Under45, Middle, Oldest}));
        for (int question = 1; question < test::QuestionCount; ++question)
            QCOMPARE(questions[question].options, (QStringList{Yes, No}));
        for (int question = 0; question < test::QuestionCount; ++question) {
            QVERIFY(questions[question].text.startsWith(QString::number(question + 1) + u". "_s));
        }
    }

    void answersAsShown_scoreInEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("total");
        const QString si = u"S\u00ED"_s;
        QTest::newRow("spanishFirstOptions")
            << u"es_ES"_s << Answers{u"Menos de 45 a\u00F1os"_s, si, si, si, si} << 3;
        QTest::newRow("spanishHighest")
            << u"es_US"_s << Answers{u"65 a\u00F1os o m\u00E1s"_s, si, No, si, si} << 17;
        QTest::newRow("spanishMiddleAllNo")
            << u"es_MX"_s << Answers{u"Entre 45 y 64 a\u00F1os"_s, No, No, No, No} << 10;
    }

    // Answers read as the user's language shows them score as in English
    // (an answer not among the options would give another total).
    void answersAsShown_scoreInEveryLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(Answers, answers);
        QFETCH(int, total);
        const platform::Translators translators{QLocale(locale).uiLanguages()};
        QCOMPARE(test::runPoints(answers, 0).total(), total);
    }

    void firstOptions_scoreThreePlusWeight()
    {
        Answers answers;
        for (int question = 0; question < test::QuestionCount; ++question)
            answers[question] = test::questions()[question].options.first();
        QCOMPARE(test::runPoints(answers, 0).total(), 3);
        QCOMPARE(test::runPoints(answers, 5).total(), 8);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
