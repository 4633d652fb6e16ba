// The weight box's text, as typed in any of a few locales, read as pounds
// and as kilograms.

#include "FuzzCheck.h"
#include "platform/TrimSpaces.h"
#include "risktest/PersonalDetails.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Decimal comma and dot, with a dot, comma or narrow space between thousands.
const std::array<QLocale, 4> &locales()
{
    static const std::array<QLocale, 4> all{QLocale::c(), QLocale(u"en_US"_s), QLocale(u"de_DE"_s),
                                            QLocale(u"fr_FR"_s)};
    return all;
}

// Read as kilograms, away from a half pound, the exact conversion agrees with
// long double arithmetic.
void checkKilograms(const QString &text, const QLocale &locale)
{
    using risktest::UnitSystem;
    const std::optional<qint16> weight = risktest::parseWeight(text, locale, UnitSystem::Metric);
    bool ok = false;
    const long double pounds = locale.toDouble(platform::trimSpaces(text), &ok) / 0.45359237L;
    if (!ok || !std::isfinite(pounds) || std::fabs(pounds - std::floor(pounds) - 0.5L) < 1e-9L)
        return;
    const long double rounded = std::nearbyint(pounds);
    KELO_FUZZ_CHECK(weight.value_or(0) == (rounded >= 1 && rounded <= 32767 ? rounded : 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (QLocale locale : locales()) {
        const std::optional<qint16> weight = risktest::parseWeight(text, locale);
        KELO_FUZZ_CHECK(risktest::parseWeight(text, locale) == weight);
        // Spaces around the number are what a careless typist adds; they
        // never change the reading.
        KELO_FUZZ_CHECK(risktest::parseWeight(u"  "_s + text + u' ', locale) == weight);
        checkKilograms(text, locale);
        if (!weight)
            continue;
        KELO_FUZZ_CHECK(*weight >= 1 && *weight <= 32767);
        // The whole number the test scores reads back as itself.
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        KELO_FUZZ_CHECK(risktest::parseWeight(locale.toString(int(*weight)), locale) == weight);
    }
    return 0;
}
