#include "Units.h"

#include "Scoring.h"
#include "text/LocaleNumbers.h"

#include <QCoreApplication>

#include <charconv>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace risktest {

namespace {

constexpr int CentimetresPerHundredInches = 254;
// A pound is 0.45359237 kg exactly: 45359237 / 10^8.
constexpr qint64 KilogramsPerPoundNumerator = 45359237;
constexpr int KilogramsPerPoundDecimals = 8;

qint64 powerOfTen(int exponent)
{
    qint64 power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

constexpr int InchesPerFoot = 12;

// numerator / denominator to the nearest whole number, a half to the even
// one; both positive.
qint64 roundHalfToEven(qint64 numerator, qint64 denominator)
{
    const qint64 quotient = numerator / denominator;
    const qint64 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

FeetAndInches heightFeetAndInches(int row)
{
    return WeightChart[row].height;
}

int heightCentimetres(int row)
{
    const FeetAndInches height = heightFeetAndInches(row);
    const int inches = height.feet * InchesPerFoot + height.inches;
    return (inches * CentimetresPerHundredInches + 50) / 100;
}

QString heightLabel(UnitSystem units, int row, const QLocale &locale)
{
    if (units == UnitSystem::Imperial) {
        // Feet, an apostrophe, inches and two apostrophes: 5'8''.
        const FeetAndInches height = heightFeetAndInches(row);
        return u"%1'%2''"_s.arg(text::wholeNumber(height.feet, locale),
                                text::wholeNumber(height.inches, locale));
    }
    //: An entry of the height list: %1 is whole centimetres.
    return QCoreApplication::translate("risktest", "%1 cm")
        .arg(text::wholeNumber(heightCentimetres(row), locale));
}

Decimal shortestDecimal(double value)
{
    // Scientific notation with the shortest digits that read back as the
    // value: "5.8286619545e+01".
    char text[32];
    const auto written =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::scientific);
    Decimal decimal;
    const char *at = text;
    int fractionDigits = 0;
    bool inFraction = false;
    for (; at != written.ptr && *at != 'e'; ++at) {
        if (*at == '.') {
            inFraction = true;
            continue;
        }
        decimal.digits = decimal.digits * 10 + (*at - '0');
        fractionDigits += inFraction ? 1 : 0;
    }
    // The exponent has a sign, which from_chars takes only when it is '-'.
    const char *exponent = at + 1;
    if (*exponent == '+')
        ++exponent;
    std::from_chars(exponent, written.ptr, decimal.exponent);
    decimal.exponent -= fractionDigits;
    return decimal;
}

qint32 poundsFromKilograms(Decimal kilograms)
{
    // pounds = digits x 10^exponent x 10^8 / 45359237, as one fraction of
    // whole numbers. Within the weights taken the digits are fewer than 18
    // and the exponent at least -17, so no term passes 10^17.
    const int scale = kilograms.exponent + KilogramsPerPoundDecimals;
    if (scale >= 0)
        return qint32(
            roundHalfToEven(kilograms.digits * powerOfTen(scale), KilogramsPerPoundNumerator));
    return qint32(
        roundHalfToEven(kilograms.digits, KilogramsPerPoundNumerator * powerOfTen(-scale)));
}

QString weightWithUnit(UnitSystem units, const QString &amount, qint64 count)
{
    if (units == UnitSystem::Metric)
        //: A weight as entered: %1 is the number of kilograms as typed.
        return QCoreApplication::translate("risktest", "%1 kg").arg(amount);
    //: A weight as entered: %1 is the number of pounds as typed.
    return QCoreApplication::translate("risktest", "%1 pounds", nullptr, int(count)).arg(amount);
}

int chartLimitTenthsOfKilogram(int row)
{
    const qint16 limit = WeightChart[row].limit;
    // Nothing a pound or more under the limit scores: step up from there.
    int tenths = int((limit - 1) * KilogramsPerPoundNumerator / powerOfTen(7));
    while (poundsFromKilograms({.digits = tenths, .exponent = -1}) < limit)
        ++tenths;
    return tenths;
}

QString chartLimitAmount(UnitSystem units, int row, const QLocale &locale)
{
    if (units == UnitSystem::Imperial)
        return text::wholeNumber(WeightChart[row].limit, locale);
    return text::decimalNumber(chartLimitTenthsOfKilogram(row) / 10.0, 1, locale);
}

QString chartLimitText(UnitSystem units, int row, const QLocale &locale)
{
    return weightWithUnit(units, chartLimitAmount(units, row, locale), WeightChart[row].limit);
}

} // namespace risktest
