#pragma once

#include "Units.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The scoring of the risk test, without any window: the five questions with
// their answer options and points, the weight chart that turns height and
// weight into points, the risk bands, and the scoring of one run with each
// item's points. The main window leads a TestRun (TestRun.h) through the
// questions and shows the result lines it finishes with.
namespace risktest {

inline constexpr int QuestionCount = 5;
inline constexpr int HeightCount = 19;

// One row of the weight chart: a height the user can choose and the weight,
// in whole pounds, at or above which the weight scores. The height list's
// entries ("5'8''" or "173 cm") and the words a screen reader says are made
// from the height's feet and inches (Units.h).
struct WeightChartRow
{
    FeetAndInches height;
    qint16 limit;
};

// clang-format off
inline constexpr std::array<WeightChartRow, HeightCount> WeightChart{{
    {{4, 10}, 129},
    {{4, 11}, 133},
    {{5, 0}, 138},
    {{5, 1}, 143},
    {{5, 2}, 147},
    {{5, 3}, 152},
    {{5, 4}, 157},
    {{5, 5}, 162},
    {{5, 6}, 167},
    {{5, 7}, 172},
    {{5, 8}, 177},
    {{5, 9}, 182},
    {{5, 10}, 188},
    {{5, 11}, 193},
    {{6, 0}, 199},
    {{6, 1}, 204},
    {{6, 2}, 210},
    {{6, 3}, 216},
    {{6, 4}, 221},
}};
// clang-format on

inline constexpr qint16 WeightScore = 5;

struct Question
{
    QString text;
    // Option 0 is the one preselected.
    QStringList options;
    // The points of each option, in the same order.
    QList<qint16> optionPoints;

    bool operator==(const Question &) const = default;
};

// The five questions in the order they are asked, in the language of the
// installed translation.
const std::array<Question, QuestionCount> &questions();

// The points of an answer to one question; answers are compared with the
// option texts exactly, as the questions show them in the language installed.
// The wizard answers with an option; any other text scores nothing.
qint16 answerPoints(int question, const QString &answer);

// One run of the test: the details it started from, the answers given so far
// and the points they lead to.
struct RiskTestRun
{
    int heightRow = 0;
    // The weight the chart compares, in whole pounds.
    qint16 weight = 0;
    // The units the details were given in, and the weight as typed in them,
    // trimmed of spaces ("80" kilograms, "180" pounds).
    UnitSystem units = UnitSystem::Imperial;
    QString weightAsEntered = {};
    qint16 weightPoints = 0;
    std::array<QString, QuestionCount> answers;
};

// Weight at or above the chart limit of the height row scores 5, below it 0.
// A row outside the chart scores nothing.
qint16 weightPoints(qint16 weight, int heightRow);

// A new run for the details given: its weight points and no answers yet.
// The weight is in pounds, whatever the units it was typed in.
RiskTestRun startRun(int heightRow, qint16 weight, UnitSystem units = UnitSystem::Imperial,
                     const QString &weightAsEntered = {});

// How a total came about: the points of each answer, in question order, and
// of the weight.
struct Points
{
    std::array<qint16, QuestionCount> answers{};
    qint16 weight = 0;

    int total() const;
};

Points runPoints(const std::array<QString, QuestionCount> &answers, qint16 pointsForWeight);

// The risk bands: a total up to VeryLowRiskMax is very low, up to LowRiskMax
// low, anything above high.
inline constexpr int VeryLowRiskMax = 2;
inline constexpr int LowRiskMax = 9;
inline constexpr int RiskBandCount = 3;

// The lowest total a run can have: the least points of each question, and a
// weight below the limit, which adds nothing.
int lowestTotal();

// One risk band as the score window and the result page show it: its
// scores, "0 to 2" or "10 or more", and its verdict.
struct RiskBand
{
    int lowest = 0;
    // The highest score of the band; the high band has none.
    std::optional<int> highest;
    QString scores;
    QString verdict;

    bool contains(int total) const;
};

// The three bands from the lowest total a run can have, in the language of
// the installed translation and the locale's digits.
std::array<RiskBand, RiskBandCount> riskBands(const QLocale &locale = QLocale());

// The verdict for a total: 2 or less very low, 3 to 9 low, 10 or more high.
QString verdictFor(int total);

// "Your Score is: " followed by the total in the locale's digits.
QString scoreLine(int total, const QLocale &locale = QLocale());

// The note that goes with every result: see a physician before acting on it.
QString physicianNote();

struct RiskResult
{
    qint16 score = 0;
    QString scoreLine;
    QString verdict;
    Points points;
};

// The run's score, the sum of its points (0 to 22), its verdict, the score
// line to show (in the default locale's digits) and the points it was made of.
RiskResult calculateRisk(const RiskTestRun &run);

} // namespace risktest
