#pragma once

#include "risktest/Scoring.h"
#include "risktest/Units.h"

#include <QDateTime>
#include <QString>

namespace report {

// One finished run as the result page and the score window show it: who took
// the test, the run with its answers, its result and when the result came.
struct ResultRecord
{
    QString name;
    risktest::RiskTestRun run;
    risktest::RiskResult result;
    QDateTime takenAt;
};

// The weight of a run with its unit, as typed: "80 kg", "180 pounds"; a run
// made without the typed text shows its pounds.
inline QString weightAsEntered(const risktest::RiskTestRun &run)
{
    return risktest::weightWithUnit(run.units, run.weightAsEntered.isEmpty()
                                                   ? QString::number(run.weight)
                                                   : run.weightAsEntered);
}

} // namespace report
