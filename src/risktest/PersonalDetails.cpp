#include "PersonalDetails.h"

#include "text/LocaleNumbers.h"
#include "text/TrimSpaces.h"

#include <cmath>

namespace risktest {

namespace {

constexpr char32_t ArabicDecimalSeparator = U'\u066B';
constexpr char32_t ArabicComma = U'\u060C';
// What a Chinese or Japanese input method types in full-width mode.
constexpr char32_t FullWidthFullStop = U'\uFF0E';
constexpr char32_t FullWidthComma = U'\uFF0C';

std::optional<qint16> scorableWeight(double pounds)
{
    if (pounds < MinimumWeight || pounds > MaximumWeight)
        return std::nullopt;
    return static_cast<qint16>(pounds);
}

// A digit's value, in ASCII or in the digits that start at the given zero;
// -1 for any other character.
int digitValue(char32_t c, char32_t zero)
{
    if (c - U'0' < 10u)
        return int(c - U'0');
    return c - zero < 10u ? int(c - zero) : -1;
}

// A weight in kilograms as people type it, in the C locale's form ("80.5"):
// digits in ASCII or the locale's own (Arabic-Indic under Arabic), and one
// decimal mark at most: a dot or a comma, whatever the locale, the Arabic
// decimal separator or Arabic comma, or the locale's own decimal point.
// Kilograms have no thousands separator, sign, exponent or space inside: a
// space (a no-break one included) is how half the world groups thousands,
// so "1 200" is refused rather than guessed. A mark other than the locale's
// decimal point, with one to three digits before it and exactly three after,
// is how much of the world writes thousands ("1.200" and "80.500" under
// German, where the dot groups; "1,200" in English): such a weight is
// refused, so that the user retypes it, rather than scored as a weight a
// thousand times less than meant. The C locale refuses what is left over:
// no digit, or two marks.
QString readKilograms(const QString &text, const QLocale &locale)
{
    const char32_t zero = locale.zeroDigit().toUcs4().value(0, U'0');
    const QList<uint> ownMark = locale.decimalPoint().toUcs4();
    const char32_t decimalPoint = ownMark.size() == 1 ? ownMark.front() : U'.';
    QString plain;
    qsizetype digitsBefore = -1; // -1: no mark
    char32_t mark = 0;
    for (const char32_t c : text.toUcs4()) {
        const int digit = digitValue(c, zero);
        if (digit >= 0) {
            plain += QChar(u'0' + digit);
        } else if (c == U'.' || c == U',' || c == ArabicDecimalSeparator || c == ArabicComma ||
                   c == decimalPoint) {
            digitsBefore = plain.size();
            mark = c;
            plain += u'.';
        } else {
            return {};
        }
    }
    const qsizetype digitsAfter = plain.size() - digitsBefore - 1;
    if (mark != decimalPoint && digitsBefore >= 1 && digitsBefore <= 3 && digitsAfter == 3)
        return {};
    return plain;
}

// The typed weight with its digits in ASCII, save the locale's own, and the
// full-width full stop and comma as the dot and comma they stand for: an input
// method's full-width "８０．５" and Devanagari "८०.५" read as "80.5" in any
// locale, under the rules ASCII text is read by. The locale's own digits stay,
// as its own reading of pounds wants them (Arabic-Indic under Arabic).
QString withAsciiDigits(const QString &text, const QLocale &locale)
{
    const char32_t zero = locale.zeroDigit().toUcs4().value(0, U'0');
    QString ascii;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Number_DecimalDigit && c - zero >= 10u)
            ascii += QChar(u'0' + QChar::digitValue(c));
        else if (c == FullWidthFullStop)
            ascii += u'.';
        else if (c == FullWidthComma)
            ascii += u',';
        else
            ascii += QString::fromUcs4(&c, 1);
    }
    return ascii;
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
    const QString trimmed = withAsciiDigits(text::trimSpaces(text), locale);
    bool ok = false;
    const double value = units == UnitSystem::Metric
                             ? QLocale::c().toDouble(readKilograms(trimmed, locale), &ok)
                             : locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return units == UnitSystem::Metric ? wholePoundsOfKilograms(value) : wholePounds(value);
}

QString kilogramsExample(const QLocale &locale)
{
    return locale.toString(80.5, 'f', 1);
}

QString weightAsWritten(const QString &typed, UnitSystem units, const QLocale &locale)
{
    const QString trimmed = withAsciiDigits(text::trimSpaces(typed), locale);
    const QString plain = units == UnitSystem::Metric ? readKilograms(trimmed, locale) : QString();
    if (plain.isEmpty())
        return text::inLocaleDigits(trimmed, locale);
    QString written = text::inLocaleDigits(plain, locale);
    return written.replace(u'.', locale.decimalPoint());
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
