#include "Scoring.h"

#include "text/LocaleNumbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace risktest {

namespace {

// The texts as written; the user reads them in the language of the installed
// translation, and answers are compared with the options as shown.
//: An answer to a question of the risk test
constexpr char Yes[] = QT_TRANSLATE_NOOP("Scoring", "Yes");
//: An answer to a question of the risk test
constexpr char No[] = QT_TRANSLATE_NOOP("Scoring", "No");
constexpr char AgeUnder45[] = QT_TRANSLATE_NOOP("Scoring", "Less than 45 years old");
constexpr char Age45To64[] = QT_TRANSLATE_NOOP("Scoring", "Between 45 to 64 years old");
constexpr char Age65OrMore[] = QT_TRANSLATE_NOOP("Scoring", "65 years old or more");

constexpr char VeryLowVerdict[] =
    QT_TRANSLATE_NOOP("Scoring", "You are at a Very Low Risk of having Type 2 Diabetes now.");
constexpr char LowVerdict[] =
    QT_TRANSLATE_NOOP("Scoring", "You are at a Low Risk of having Type 2 Diabetes now.");
constexpr char HighVerdict[] = QT_TRANSLATE_NOOP(
    "Scoring", "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor.");

constexpr qint16 AgeMiddlePoints = 5;
constexpr qint16 AgeOldestPoints = 9;
constexpr qint16 NoExercisePoints = 5;
constexpr qint16 YesPoint = 1;

// A text marked with QT_TRANSLATE_NOOP in this context.
QString translated(const char *text)
{
    return QCoreApplication::translate("Scoring", text);
}

std::array<Question, QuestionCount> translatedQuestions()
{
    const QStringList yesNo{translated(Yes), translated(No)};
    return {{
        {translated(QT_TRANSLATE_NOOP("Scoring", "1. What is your age?")),
         {translated(AgeUnder45), translated(Age45To64), translated(Age65OrMore)},
         {0, AgeMiddlePoints, AgeOldestPoints}},
        {translated(QT_TRANSLATE_NOOP(
             "Scoring", "2. Do you have any brother or sister suffering from diabetes?")),
         yesNo,
         {YesPoint, 0}},
        {translated(QT_TRANSLATE_NOOP(
             "Scoring",
             "3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?")),
         yesNo,
         {0, NoExercisePoints}},
        {translated(QT_TRANSLATE_NOOP("Scoring", "4. Are you a woman who gave birth to a baby who "
                                                 "weighed 9 pounds or more at birth?")),
         yesNo,
         {YesPoint, 0}},
        {translated(QT_TRANSLATE_NOOP(
             "Scoring", "5. Do you have any parent (father or mother) suffering from diabetes?")),
         yesNo,
         {YesPoint, 0}},
    }};
}

} // namespace

const std::array<Question, QuestionCount> &questions()
{
    // Made again only when the language has changed since the last call, so
    // that what a caller holds of the table stays as it was while the
    // language stays.
    static std::array<Question, QuestionCount> shown;
    std::array<Question, QuestionCount> current = translatedQuestions();
    if (current != shown)
        shown = std::move(current);
    return shown;
}

qint16 answerPoints(int question, const QString &answer)
{
    const Question &asked = questions()[question];
    const qsizetype option = asked.options.indexOf(answer);
    return option < 0 ? 0 : asked.optionPoints[option];
}

qint16 weightPoints(qint16 weight, int heightRow)
{
    if (heightRow < 0 || heightRow >= HeightCount)
        return 0;
    return weight >= WeightChart[heightRow].limit ? WeightScore : 0;
}

RiskTestRun startRun(int heightRow, qint16 weight, UnitSystem units, const QString &weightAsEntered)
{
    return {.heightRow = heightRow,
            .weight = weight,
            .units = units,
            .weightAsEntered = weightAsEntered,
            .weightPoints = weightPoints(weight, heightRow),
            .answers = {}};
}

int Points::total() const
{
    int sum = weight;
    for (const qint16 points : answers)
        sum += points;
    return sum;
}

Points runPoints(const std::array<QString, QuestionCount> &answers, qint16 pointsForWeight)
{
    Points points{.weight = pointsForWeight};
    for (int question = 0; question < QuestionCount; ++question)
        points.answers[question] = answerPoints(question, answers[question]);
    return points;
}

int lowestTotal()
{
    int lowest = 0;
    for (const Question &question : questions())
        lowest += *std::ranges::min_element(question.optionPoints);
    return lowest;
}

bool RiskBand::contains(int total) const
{
    return total >= lowest && (!highest || total <= *highest);
}

std::array<RiskBand, RiskBandCount> riskBands(const QLocale &locale)
{
    //: A range of scores, e.g. "3 to 9"
    const QString range = QCoreApplication::translate("Scoring", "%1 to %2");
    auto band = [&range, &locale](int lowest, int highest, const char *verdict) {
        return RiskBand{.lowest = lowest,
                        .highest = highest,
                        .scores = range.arg(text::wholeNumber(lowest, locale),
                                            text::wholeNumber(highest, locale)),
                        .verdict = translated(verdict)};
    };
    constexpr int HighRiskMin = LowRiskMax + 1;
    return {{
        band(lowestTotal(), VeryLowRiskMax, VeryLowVerdict),
        band(VeryLowRiskMax + 1, LowRiskMax, LowVerdict),
        //: The scores from this one up, e.g. "10 or more"
        {.lowest = HighRiskMin,
         .highest = std::nullopt,
         .scores = QCoreApplication::translate("Scoring", "%1 or more")
                       .arg(text::wholeNumber(HighRiskMin, locale)),
         .verdict = translated(HighVerdict)},
    }};
}

QString verdictFor(int total)
{
    if (total <= VeryLowRiskMax)
        return translated(VeryLowVerdict);
    return translated(total <= LowRiskMax ? LowVerdict : HighVerdict);
}

QString scoreLine(int total, const QLocale &locale)
{
    return QCoreApplication::translate("Scoring", "Your Score is: %1")
        .arg(text::wholeNumber(total, locale));
}

QString physicianNote()
{
    return QCoreApplication::translate(
        "Scoring", "P. S: Kindly consult your physician before taking any drastic steps.");
}

RiskResult calculateRisk(const RiskTestRun &run)
{
    // The score is a 16-bit number, as every number of the test is, and a
    // sum outside its range is an overflow, which is not kept. The points of
    // a run add up to 22 at most, so it never happens; the check stays
    // because the test's arithmetic is designed with it.
    const Points points = runPoints(run.answers, run.weightPoints);
    const int total = points.total();
    const bool fits =
        total >= std::numeric_limits<qint16>::min() && total <= std::numeric_limits<qint16>::max();
    const qint16 score = fits ? static_cast<qint16>(total) : 0;
    return {score, scoreLine(score), verdictFor(score), points};
}

} // namespace risktest
