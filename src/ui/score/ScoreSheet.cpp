#include "ScoreSheet.h"

#include "risktest/Scoring.h"

#include <QCoreApplication>

#include <algorithm>

namespace ui::score {

namespace {

QString scoreRange(int lowest, int highest)
{
    //: A range of scores, e.g. "3 to 9"
    return QCoreApplication::translate("ScoreSheet", "%1 to %2").arg(lowest).arg(highest);
}

QString scoresFrom(int lowest)
{
    //: The scores from this one up, e.g. "10 or more"
    return QCoreApplication::translate("ScoreSheet", "%1 or more").arg(lowest);
}

// The lowest score a run can have: each question's lowest option and a
// weight below the chart.
int lowestScore()
{
    int lowest = 0;
    for (const risktest::Question &question : risktest::questions())
        lowest += *std::ranges::min_element(question.optionPoints);
    return lowest;
}

} // namespace

Sheet answerRows(const ShownResult &shown)
{
    Sheet rows;
    const auto &all = risktest::questions();
    for (std::size_t question = 0; question < all.size(); ++question) {
        const risktest::Question &asked = all[question];
        rows.push_back({.label = asked.text, .value = {}, .heading = true});
        for (qsizetype option = 0; option < asked.options.size(); ++option) {
            SheetRow row{.label = asked.options[option],
                         .value = QString::number(asked.optionPoints[option])};
            if (shown && shown->run.answers[question] == asked.options[option]) {
                row.yours = true;
                // What the run was given, which the result was added up from.
                row.value = QString::number(shown->result.points.answers[question]);
            }
            rows.push_back(row);
        }
    }
    return rows;
}

Sheet weightRows(const ShownResult &shown, risktest::UnitSystem units)
{
    const QLocale locale;
    Sheet rows;
    for (int height = 0; height < risktest::HeightCount; ++height) {
        const QString limit =
            units == risktest::UnitSystem::Metric
                ? locale.toString(risktest::chartLimitTenthsOfKilogram(height) / 10.0, 'f', 1)
                : locale.toString(int(risktest::WeightChart[height].limit));
        rows.push_back({.label = risktest::heightLabel(units, height),
                        .value = limit,
                        .yours = shown && shown->run.heightRow == height});
    }
    return rows;
}

Sheet bandRows(const ShownResult &shown)
{
    const int highRiskMin = risktest::LowRiskMax + 1;
    // Each band is named by the verdict of its highest score; the high band
    // has no highest, so its lowest stands for it.
    const Sheet bands{
        {.label = scoreRange(lowestScore(), risktest::VeryLowRiskMax),
         .value = risktest::verdictFor(risktest::VeryLowRiskMax)},
        {.label = scoreRange(risktest::VeryLowRiskMax + 1, risktest::LowRiskMax),
         .value = risktest::verdictFor(risktest::LowRiskMax)},
        {.label = scoresFrom(highRiskMin), .value = risktest::verdictFor(highRiskMin)},
    };
    Sheet rows;
    for (SheetRow band : bands) {
        band.yours = shown && shown->result.verdict == band.value;
        rows.push_back(band);
    }
    return rows;
}

} // namespace ui::score
