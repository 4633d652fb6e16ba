#include "TestRun.h"

namespace risktest {

void TestRun::start(int heightRow, qint16 weight, UnitSystem units, const QString &weightAsEntered)
{
    given = startRun(heightRow, weight, units, weightAsEntered);
    finished.reset();
    questionsShown = 1;
}

void TestRun::answer(int option)
{
    const std::optional<int> question = questionShown();
    if (!question)
        return;
    given.answers[*question] = questions()[*question].options.value(option);
    if (questionsShown < QuestionCount)
        ++questionsShown;
    else
        finished = calculateRisk(given);
}

std::optional<int> TestRun::questionShown() const
{
    if (questionsShown == 0 || finished)
        return std::nullopt;
    return questionsShown - 1;
}

} // namespace risktest
