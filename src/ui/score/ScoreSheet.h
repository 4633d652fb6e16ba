#pragma once

#include "report/ResultRecord.h"
#include "risktest/Units.h"

#include <QString>

#include <optional>
#include <vector>

// What the score window's three tables show, read from the scoring tables of
// risktest: the points of each answer, the weight chart and the risk bands.
// With a finished run, the person's own answers, height and band are theirs,
// and their answers show the points the run's breakdown gave them. Numbers
// are in the default locale's digits.
namespace ui::score {

struct SheetRow
{
    // An answer, a height or a range of scores; for a heading, a question.
    QString label;
    // The answer's points, the weight from which the height scores, or the
    // band's verdict; empty for a heading.
    QString value;
    // A heading spans the table and groups the rows below it.
    bool heading = false;
    // The person's own answer, height or band.
    bool yours = false;
};

using Sheet = std::vector<SheetRow>;
using ShownResult = std::optional<report::ResultRecord>;

// Each question as a heading, followed by its options and their points.
Sheet answerRows(const ShownResult &shown);

// Each height of the weight chart and the weight from which it scores, in
// the units given: whole pounds, or the lightest tenth of a kilogram.
Sheet weightRows(const ShownResult &shown, risktest::UnitSystem units);

// The three bands, from the lowest score a run can have: the range of scores
// and its verdict.
Sheet bandRows(const ShownResult &shown);

} // namespace ui::score
