#pragma once

#include "risktest/Scoring.h"

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

} // namespace report
