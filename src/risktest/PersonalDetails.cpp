#include "PersonalDetails.h"

#include "platform/TrimSpaces.h"

#include <cmath>

namespace risktest {

std::optional<qint16> parseWeight(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(platform::trimSpaces(text), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // Out of range values fail here, before rounding could overflow.
    if (value < MinimumWeight - 1.0 || value > MaximumWeight + 1.0)
        return std::nullopt;
    // std::nearbyint rounds in the current mode; round to nearest, ties to
    // even, is the default and nothing in the program changes it.
    const double rounded = std::nearbyint(value);
    if (rounded < MinimumWeight || rounded > MaximumWeight)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

CheckedDetails checkDetails(const QString &name, const QString &weightText, const QLocale &locale)
{
    if (name.isEmpty())
        return {DetailsProblem::NameMissing};
    if (weightText.isEmpty())
        return {DetailsProblem::WeightMissing};
    const std::optional<qint16> weight = parseWeight(weightText, locale);
    if (!weight)
        return {DetailsProblem::WeightInvalid};
    return {DetailsProblem::None, *weight};
}

} // namespace risktest
