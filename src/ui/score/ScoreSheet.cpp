#include "ScoreSheet.h"

#include "risktest/Scoring.h"
#include "text/LocaleNumbers.h"

namespace ui::score {

Sheet answerRows(const ShownResult &shown)
{
    Sheet rows;
    const auto &all = risktest::questions();
    for (std::size_t question = 0; question < all.size(); ++question) {
        const risktest::Question &asked = all[question];
        rows.push_back({.label = asked.text, .value = {}, .heading = true});
        for (qsizetype option = 0; option < asked.options.size(); ++option) {
            SheetRow row{.label = asked.options[option],
                         .value = text::wholeNumber(asked.optionPoints[option])};
            if (shown && shown->run.answers[question] == asked.options[option]) {
                row.yours = true;
                // What the run was given, which the result was added up from.
                row.value = text::wholeNumber(shown->result.points.answers[question]);
            }
            rows.push_back(row);
        }
    }
    return rows;
}

Sheet weightRows(const ShownResult &shown, risktest::UnitSystem units)
{
    Sheet rows;
    for (int height = 0; height < risktest::HeightCount; ++height) {
        rows.push_back({.label = risktest::heightLabel(units, height),
                        .value = risktest::chartLimitAmount(units, height),
                        .yours = shown && shown->run.heightRow == height});
    }
    return rows;
}

Sheet bandRows(const ShownResult &shown)
{
    Sheet rows;
    for (const risktest::RiskBand &band : risktest::riskBands()) {
        rows.push_back({.label = band.scores,
                        .value = band.verdict,
                        .yours = shown && band.contains(shown->result.score)});
    }
    return rows;
}

} // namespace ui::score
