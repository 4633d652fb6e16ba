#pragma once

#include "Scoring.h"
#include "Units.h"

#include <QString>

#include <optional>

namespace risktest {

// One run of the test as the wizard leads it, without any window: started
// from the details, it shows the five questions one after the other, takes
// an answer to each, and after the fifth finishes with the result. The next
// start replaces it all.
class TestRun
{
public:
    // Starts a run for the details: the weight points from the chart, no
    // answers, no result, and the first question shown. The weight is in
    // pounds, whatever the units it was typed in.
    void start(int heightRow, qint16 weight, UnitSystem units = UnitSystem::Imperial,
               const QString &weightAsEntered = {});

    // Takes an option of the question shown as its answer, and goes on to
    // the next question or, after the last, to the result. Does nothing
    // before a start or once the run has finished.
    void answer(int option);

    // The index of the question shown, 0 to 4; nothing before the first
    // start and once the result has come.
    std::optional<int> questionShown() const;

    // The details and the answers taken so far.
    const RiskTestRun &inputs() const { return given; }
    qint16 weightPoints() const { return given.weightPoints; }

    // The result, once the fifth answer is in.
    const std::optional<RiskResult> &result() const { return finished; }

private:
    RiskTestRun given;
    // How many questions this run has shown, 0 to 5.
    int questionsShown = 0;
    std::optional<RiskResult> finished;
};

} // namespace risktest
