#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// The risk test itself, without any window: the five questions and their
// answer options, the weight chart that turns height and weight into points,
// and the scoring of one run. The main window holds a RiskTestRun, records
// the answers in it and shows the result lines calculateRisk gives.
namespace risktest {

inline constexpr int QuestionCount = 5;
inline constexpr int HeightCount = 19;

// One row of the weight chart: a height the user can choose and the weight,
// in whole pounds, at or above which the weight scores.
struct WeightChartRow
{
    QStringView heightLabel;
    qint16 limit;
};

// Heights are feet, an apostrophe, inches and two apostrophes.
// clang-format off
inline constexpr std::array<WeightChartRow, HeightCount> WeightChart{{
    {u"4'10''",  129},
    {u"4'11''",  133},
    {u"5'0''",   138},
    {u"5'1''",   143},
    {u"5'2''",   147},
    {u"5'3''",   152},
    {u"5'4''",   157},
    {u"5'5''",   162},
    {u"5'6''",   167},
    {u"5'7''",   172},
    {u"5'8''",   177},
    {u"5'9''",   182},
    {u"5'10''",  188},
    {u"5'11''",  193},
    {u"6'0''",   199},
    {u"6'1''",   204},
    {u"6'2''",   210},
    {u"6'3''",   216},
    {u"6'4''",   221},
}};
// clang-format on

inline constexpr qint16 WeightScore = 5;

struct Question
{
    QString text;
    // Option 0 is the one preselected.
    QStringList options;
};

// The five questions in the order they are asked.
const std::array<Question, QuestionCount> &questions();

// One run of the test: the answers given so far and the points they lead to.
struct RiskTestRun
{
    std::array<QString, QuestionCount> answers;
    qint16 weightPoints = 0;
    // The score the run's points are added to; each start of a run zeroes it.
    qint16 score = 0;
};

// Weight at or above the chart limit of the height row scores 5, below it 0.
// A row outside the chart scores nothing.
qint16 weightPoints(qint16 weight, int heightRow);

// Points of one run's answers plus its weight points. Answers are compared
// with the option texts exactly; an age that is neither of the two younger
// bands counts as the oldest, and an exercise answer other than "Yes" scores.
int runPoints(const std::array<QString, QuestionCount> &answers, int pointsForWeight);

// The verdict for a total: 2 or less very low, 3 to 9 low, 10 or more high.
QString verdictFor(int total);

// "Your Score is: " followed by the total.
QString scoreLine(int total);

struct RiskResult
{
    qint16 score = 0;
    QString scoreLine;
    QString verdict;
};

// The run's score with its points added (a sum outside the 16-bit range
// leaves the score as it was), its verdict and the score line to show.
RiskResult calculateRisk(const RiskTestRun &run);

} // namespace risktest
