#include "Scoring.h"

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace risktest {

namespace {

constexpr QStringView Yes = u"Yes";
constexpr QStringView No = u"No";
constexpr QStringView AgeUnder45 = u"Less than 45 years old";
constexpr QStringView Age45To64 = u"Between 45 to 64 years old";
constexpr QStringView Age65OrMore = u"65 years old or more";

constexpr qint16 AgeMiddlePoints = 5;
constexpr qint16 AgeOldestPoints = 9;
constexpr qint16 NoExercisePoints = 5;
constexpr qint16 YesPoint = 1;

} // namespace

const std::array<Question, QuestionCount> &questions()
{
    static const QStringList yesNo{Yes.toString(), No.toString()};
    static const std::array<Question, QuestionCount> all{{
        {u"1. What is your age?"_s,
         {AgeUnder45.toString(), Age45To64.toString(), Age65OrMore.toString()},
         {0, AgeMiddlePoints, AgeOldestPoints},
         AgeOldestPoints},
        {u"2. Do you have any brother or sister suffering from diabetes?"_s, yesNo, {YesPoint, 0}},
        {u"3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?"_s,
         yesNo,
         {0, NoExercisePoints},
         NoExercisePoints},
        {u"4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?"_s,
         yesNo,
         {YesPoint, 0}},
        {u"5. Do you have any parent (father or mother) suffering from diabetes?"_s,
         yesNo,
         {YesPoint, 0}},
    }};
    return all;
}

qint16 answerPoints(int question, const QString &answer)
{
    const Question &asked = questions()[question];
    const qsizetype option = asked.options.indexOf(answer);
    return option < 0 ? asked.otherAnswerPoints : asked.optionPoints[option];
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
            .answers = {},
            .score = 0};
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

QString verdictFor(int total)
{
    if (total <= VeryLowRiskMax)
        return u"You are at a Very Low Risk of having Type 2 Diabetes now."_s;
    if (total <= LowRiskMax)
        return u"You are at a Low Risk of having Type 2 Diabetes now."_s;
    return u"You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor."_s;
}

QString scoreLine(int total)
{
    return u"Your Score is: "_s + QString::number(total);
}

RiskResult calculateRisk(const RiskTestRun &run)
{
    // The score is a 16-bit number; a sum that would leave its range is not
    // kept. A run adds at most 22 to a score that starts at zero.
    const Points points = runPoints(run.answers, run.weightPoints);
    const int total = run.score + points.total();
    const bool fits =
        total >= std::numeric_limits<qint16>::min() && total <= std::numeric_limits<qint16>::max();
    const qint16 score = fits ? static_cast<qint16>(total) : run.score;
    return {score, scoreLine(score), verdictFor(score), points};
}

} // namespace risktest
