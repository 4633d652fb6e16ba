#pragma once

#include "risktest/PersonalDetails.h"
#include "risktest/Scoring.h"
#include "risktest/Units.h"
#include "text/LocaleNumbers.h"

#include <QDateTime>
#include <QLocale>
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

// The weight of a run with its unit, as typed and written in the locale's
// digits: "80 kg", "180 pounds"; a run made without the typed text shows its
// pounds.
inline QString weightAsEntered(const risktest::RiskTestRun &run, const QLocale &locale = QLocale())
{
    return risktest::weightWithUnit(
        run.units,
        run.weightAsEntered.isEmpty()
            ? text::wholeNumber(run.weight, locale)
            : risktest::weightAsWritten(run.weightAsEntered, run.units, locale),
        run.weight);
}

} // namespace report
