#include "DiabetesRiskTest.h"

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace risktest {

namespace {

enum QuestionIndex { Age, Sibling, Exercise, Baby, Parent };

constexpr QStringView Yes = u"Yes";
constexpr QStringView No = u"No";
constexpr QStringView AgeUnder45 = u"Less than 45 years old";
constexpr QStringView Age45To64 = u"Between 45 to 64 years old";
constexpr QStringView Age65OrMore = u"65 years old or more";

constexpr int AgeMiddlePoints = 5;
constexpr int AgeOldestPoints = 9;
constexpr int NoExercisePoints = 5;
constexpr int YesPoint = 1;

constexpr int VeryLowRiskMax = 2;
constexpr int LowRiskMax = 9;

} // namespace

const std::array<Question, QuestionCount> &questions()
{
    static const QStringList yesNo{Yes.toString(), No.toString()};
    static const std::array<Question, QuestionCount> all{{
        {u"1. What is your age?"_s,
         {AgeUnder45.toString(), Age45To64.toString(), Age65OrMore.toString()}},
        {u"2. Do you have any brother or sister suffering from diabetes?"_s, yesNo},
        {u"3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?"_s, yesNo},
        {u"4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?"_s,
         yesNo},
        {u"5. Do you have any parent (father or mother) suffering from diabetes?"_s, yesNo},
    }};
    return all;
}

qint16 weightPoints(qint16 weight, int heightRow)
{
    if (heightRow < 0 || heightRow >= HeightCount)
        return 0;
    return weight >= WeightChart[heightRow].limit ? WeightScore : 0;
}

int runPoints(const std::array<QString, QuestionCount> &answers, int pointsForWeight)
{
    int points = 0;
    if (answers[Age] == AgeUnder45)
        points += 0;
    else if (answers[Age] == Age45To64)
        points += AgeMiddlePoints;
    else
        points += AgeOldestPoints;
    if (answers[Sibling] == Yes)
        points += YesPoint;
    if (answers[Exercise] != Yes)
        points += NoExercisePoints;
    if (answers[Baby] == Yes)
        points += YesPoint;
    if (answers[Parent] == Yes)
        points += YesPoint;
    return points + pointsForWeight;
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
    // kept. A run adds at most 22 to a score the wizard has just zeroed.
    const int total = run.score + runPoints(run.answers, run.weightPoints);
    const bool fits =
        total >= std::numeric_limits<qint16>::min() && total <= std::numeric_limits<qint16>::max();
    const qint16 score = fits ? static_cast<qint16>(total) : run.score;
    return {score, scoreLine(score), verdictFor(score)};
}

} // namespace risktest
