#include "PersonalDetails.h"

#include "platform/TrimSpaces.h"

#include <cmath>

namespace risktest {

namespace {

std::optional<qint16> scorableWeight(double pounds)
{
    if (pounds < MinimumWeight || pounds > MaximumWeight)
        return std::nullopt;
    return static_cast<qint16>(pounds);
}

std::optional<qint16> wholePounds(double pounds)
{
    // Out of range values fail here, before rounding could overflow.
    if (pounds < MinimumWeight - 1.0 || pounds > MaximumWeight + 1.0)
        return std::nullopt;
    // std::nearbyint rounds in the current mode; round to nearest, ties to
    // even, is the default and nothing in the program changes it.
    return scorableWeight(std::nearbyint(pounds));
}

// The typed kilograms are taken as the decimal typed, not as the double read
// from it, so that a weight a hair under a pound's edge stays under it.
std::optional<qint16> wholePoundsOfKilograms(double kilograms)
{
    if (kilograms < SmallestConvertibleKilograms || kilograms > LargestConvertibleKilograms)
        return std::nullopt;
    return scorableWeight(poundsFromKilograms(shortestDecimal(kilograms)));
}

} // namespace

std::optional<qint16> parseWeight(const QString &text, const QLocale &locale, UnitSystem units)
{
    bool ok = false;
    const double value = locale.toDouble(platform::trimSpaces(text), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return units == UnitSystem::Metric ? wholePoundsOfKilograms(value) : wholePounds(value);
}

CheckedDetails checkDetails(const QString &name, const QString &weightText, const QLocale &locale,
                            UnitSystem units)
{
    if (name.isEmpty())
        return {DetailsProblem::NameMissing};
    if (weightText.isEmpty())
        return {DetailsProblem::WeightMissing};
    const std::optional<qint16> weight = parseWeight(weightText, locale, units);
    if (!weight)
        return {DetailsProblem::WeightInvalid};
    return {DetailsProblem::None, *weight};
}

} // namespace risktest
