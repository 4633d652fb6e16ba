// The weight box's text, as typed in any of a few locales, read as pounds
// and as kilograms.

#include "FuzzCheck.h"
#include "risktest/PersonalDetails.h"
#include "text/TrimSpaces.h"

#include <QLocale>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Decimal comma and dot, with a dot, comma or narrow space between thousands;
// Arabic-Indic digits and marks; Indian grouping (1,00,000); Chinese, where
// input methods type full-width digits.
const std::array<QLocale, 7> &locales()
{
    static const std::array<QLocale, 7> all{
        QLocale::c(),        QLocale(u"en_US"_s), QLocale(u"de_DE"_s), QLocale(u"fr_FR"_s),
        QLocale(u"ar_EG"_s), QLocale(u"hi_IN"_s), QLocale(u"zh_CN"_s)};
    return all;
}

constexpr char16_t FullWidthZero = u'\uFF10';
constexpr char16_t DevanagariZero = u'\u0966';

// The text with its ASCII digits written from another zero; in full-width
// digits, with the full-width full stop and comma for the dot and comma too.
QString inDigits(QString text, char16_t zero)
{
    constexpr char16_t FullWidthOffset = u'\uFF0E' - u'.';
    for (QChar &c : text) {
        if (c >= u'0' && c <= u'9')
            c = QChar(zero + (c.unicode() - u'0'));
        else if (zero == FullWidthZero && (c == u'.' || c == u','))
            c = QChar(c.unicode() + FullWidthOffset);
    }
    return text;
}

// The text with its ASCII digits written in the locale's.
QString inLocaleDigits(const QString &text, const QLocale &locale)
{
    const QString zero = locale.zeroDigit();
    return zero.size() == 1 ? inDigits(text, zero.at(0).unicode()) : text;
}

// Kilograms in ASCII digits and one dot or comma are read as that decimal,
// whatever the locale, never as thousands: away from a half pound, the exact
// conversion agrees with long double arithmetic. Only a number that could be
// grouped thousands, with a mark that is not the locale's decimal point, is
// refused instead.
void checkKilograms(const QString &text, const QLocale &locale)
{
    using risktest::UnitSystem;
    const std::optional<qint16> weight = risktest::parseWeight(text, locale, UnitSystem::Metric);
    KELO_FUZZ_CHECK(risktest::parseWeight(u"  "_s + text + u' ', locale, UnitSystem::Metric) ==
                    weight);
    KELO_FUZZ_CHECK(
        risktest::parseWeight(inLocaleDigits(text, locale), locale, UnitSystem::Metric) == weight);
    // Anchored at the very end: "$" alone would let a line break through.
    static const QRegularExpression plainDecimal(
        QRegularExpression::anchoredPattern(u"[0-9]*[.,]?[0-9]*"_s));
    static const QRegularExpression maybeThousands(
        QRegularExpression::anchoredPattern(u"[0-9]{1,3}[.,][0-9]{3}"_s));
    const QString trimmed = text::trimSpaces(text);
    if (!plainDecimal.match(trimmed).hasMatch())
        return;
    bool ok = false;
    const long double pounds =
        QLocale::c().toDouble(QString(trimmed).replace(u',', u'.'), &ok) / 0.45359237L;
    if (!ok) {
        KELO_FUZZ_CHECK(!weight);
        return;
    }
    if (std::fabs(pounds - std::floor(pounds) - 0.5L) < 1e-9L)
        return;
    const long double rounded = std::nearbyint(pounds);
    const qint16 expected = rounded >= 1 && rounded <= 32767 ? qint16(rounded) : 0;
    const bool refusable =
        maybeThousands.match(trimmed).hasMatch() && !trimmed.contains(locale.decimalPoint());
    KELO_FUZZ_CHECK(weight.value_or(0) == expected || (refusable && !weight));
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
        // Full-width and Devanagari digits read as the ASCII ones they stand
        // for, in every locale, pounds and kilograms alike.
        for (const char16_t zero : {FullWidthZero, DevanagariZero}) {
            KELO_FUZZ_CHECK(risktest::parseWeight(inDigits(text, zero), locale) == weight);
            KELO_FUZZ_CHECK(
                risktest::parseWeight(inDigits(text, zero), locale, risktest::UnitSystem::Metric) ==
                risktest::parseWeight(text, locale, risktest::UnitSystem::Metric));
        }
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
