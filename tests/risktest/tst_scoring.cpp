#include "platform/Translators.h"
#include "risktest/PersonalDetails.h"
#include "risktest/Scoring.h"
#include "risktest/TestRun.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
namespace test = risktest;
using risktest::UnitSystem;

using Answers = std::array<QString, test::QuestionCount>;
using Options = QList<int>;
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
                // Every other row with a decimal comma, read the same.
                kilograms.insert(kilograms.size() - 12, row % 2 ? u',' : u'.');
                // Rounded half to even, L - 0.5 pounds scores where L is even.
                const bool scores = c >= 2 || (c == 1 && limit % 2 == 0);
                QTest::addRow("row%d_%s", row, cases[c]) << row << kilograms << (scores ? 5 : 0);
            }
        }
        // Valid from over half a pound to under 32767.5 pounds.
        QTest::newRow("halfPound") << 0 << u"0.226796185"_s << -1;
        QTest::newRow("tiny") << 0 << u"0.000000000000000000001"_s << -1;
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

    // In the default locale's digits, as the windows show them.
    void numbers_inTheLocaleDigits_data()
    {
        QTest::addColumn<QString>("localeName");
        // A score line of 12, the bands, and row 10's height and limit in each unit.
        QTest::addColumn<QString>("shown");
        for (const char *name : {"en_US", "C", "hi_IN", "zh_CN"})
            QTest::newRow(name)
                << QString::fromLatin1(name)
                << u"Your Score is: 12|0 to 2|3 to 9|10 or more|5'8''|177|173 cm|80.1"_s;
        QTest::newRow("pt_BR")
            << u"pt_BR"_s << u"Your Score is: 12|0 to 2|3 to 9|10 or more|5'8''|177|173 cm|80,1"_s;
        QTest::newRow("ar_EG")
            << u"ar_EG"_s << u"Your Score is: ١٢|٠ to ٢|٣ to ٩|١٠ or more|٥'٨''|١٧٧|١٧٣ cm|٨٠٫١"_s;
    }

    void numbers_inTheLocaleDigits()
    {
        QFETCH(QString, localeName);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(localeName));
        QStringList numbers{test::calculateRisk({.weightPoints = 12, .answers = {}}).scoreLine};
        for (const test::RiskBand &band : test::riskBands())
            numbers << band.scores;
        for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric})
            numbers << test::heightLabel(units, 10) << test::chartLimitAmount(units, 10);
        QLocale::setDefault(QLocale::system());
        QCOMPARE(numbers, shown.split(u'|'));
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
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("total");
        const QString si = u"S\u00ED"_s;
        QTest::newRow("spanishFirstOptions")
            << Answers{u"Menos de 45 a\u00F1os"_s, si, si, si, si} << 3;
        QTest::newRow("spanishHighest")
            << Answers{u"65 a\u00F1os o m\u00E1s"_s, si, No, si, si} << 17;
        QTest::newRow("spanishMiddleAllNo")
            << Answers{u"Entre 45 y 64 a\u00F1os"_s, No, No, No, No} << 10;
    }

    // Answers read as the user's language shows them score as in English
    // (an answer not among the options would give another total).
    void answersAsShown_scoreInEveryLanguage()
    {
        QFETCH(Answers, answers);
        QFETCH(int, total);
        const platform::Translators translators{u":/i18n/kelo_es.qm"_s};
        QCOMPARE(test::runPoints(answers, 0).total(), total);
    }

    // One run as the wizard leads it: the details, the option chosen at each
    // question shown, and what the run holds after the last of them.
    void testRun_fromDetailsToResult_data()
    {
        QTest::addColumn<int>("heightRow");
        QTest::addColumn<int>("weight");
        QTest::addColumn<Options>("options");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("weightPoints");
        QTest::addColumn<int>("total"); // -1: no result yet
        QTest::addColumn<QString>("verdict");

        const Options firstOptions{0, 0, 0, 0, 0};
        const Answers firstAnswers{Under45, Yes, Yes, Yes, Yes};
        QTest::newRow("typicalRun") << 10 << 180 << Options{1, 1, 1, 1, 0}
                                    << Answers{Middle, No, No, No, Yes} << 5 << 16 << High;
        QTest::newRow("untouchedListsHeavy")
            << 0 << 300 << firstOptions << firstAnswers << 5 << 8 << Low;
        QTest::newRow("untouchedListsLight")
            << 18 << 100 << firstOptions << firstAnswers << 0 << 3 << Low;
        QTest::newRow("shortestPoundBelowLimit")
            << 0 << 128 << Options{0, 1, 0, 1, 1} << Answers{Under45, No, Yes, No, No} << 0 << 0
            << VeryLow;
        QTest::newRow("tallestAtLimitHighest")
            << 18 << 221 << Options{2, 0, 1, 0, 0} << Answers{Oldest, Yes, No, Yes, Yes} << 5 << 22
            << High;
        QTest::newRow("midRun") << 5 << 150 << Options{1, 0} << Answers{Middle, Yes} << 0 << -1
                                << QString();
        QTest::newRow("fourOfFive") << 5 << 150 << Options{2, 1, 1, 1}
                                    << Answers{Oldest, No, No, No} << 0 << -1 << QString();
    }

    void testRun_fromDetailsToResult()
    {
        QFETCH(int, heightRow);
        QFETCH(int, weight);
        QFETCH(Options, options);
        QFETCH(Answers, answers);
        QFETCH(int, weightPoints);
        QFETCH(int, total);
        QFETCH(QString, verdict);

        test::TestRun run;
        run.answer(0);
        QCOMPARE(run.questionShown().value_or(-1), -1);
        QVERIFY(!run.result());
        // Every row starts over a finished run, which the start replaces.
        run.start(18, 300);
        for (int question = 0; question < test::QuestionCount; ++question)
            run.answer(1);
        QVERIFY(run.result());

        run.start(heightRow, qint16(weight));
        QCOMPARE(run.inputs().heightRow, heightRow);
        QCOMPARE(run.weightPoints(), weightPoints);
        for (int question = 0; question < options.size(); ++question) {
            QCOMPARE(run.questionShown().value_or(-1), question);
            QVERIFY(!run.result());
            run.answer(options[question]);
        }
        QCOMPARE(run.inputs().answers, answers);
        if (total < 0) {
            QCOMPARE(run.questionShown().value_or(-1), options.size());
            QVERIFY(!run.result());
            return;
        }
        QCOMPARE(run.questionShown().value_or(-1), -1);
        QVERIFY(run.result());
        QCOMPARE(run.result()->score, total);
        QCOMPARE(run.result()->scoreLine, u"Your Score is: "_s + QString::number(total));
        QCOMPARE(run.result()->verdict, verdict);
        // A finished run takes no more answers.
        run.answer(1);
        QCOMPARE(run.inputs().answers, answers);
        QCOMPARE(run.result()->score, total);
    }
};

QTEST_GUILESS_MAIN(ScoringTest)
#include "tst_scoring.moc"
