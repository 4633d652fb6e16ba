#pragma once

#include <QLocale>
#include <QString>

// The units the details are given in, without any window: feet, inches and
// pounds where the locale measures that way, centimetres and kilograms where
// it measures in metric. The weight chart stays in pounds: a weight in
// kilograms is converted exactly to the pounds the chart compares, so that
// both unit systems score by one rule.
namespace risktest {

enum class UnitSystem { Imperial, Metric };

// A height of the weight chart, in feet and inches.
struct FeetAndInches
{
    int feet = 0;
    int inches = 0;
};

// The height of a chart row in feet and inches: 5 and 8 for 5'8''.
FeetAndInches heightFeetAndInches(int row);

// The height of a chart row in whole centimetres, from its feet and inches
// (2.54 cm an inch), a half rounded up: 4'10'' is 147, 6'3'' (190.5) is 191.
int heightCentimetres(int row);

// The height list's entry for a chart row: "5'8''" or "173 cm", in the
// locale's digits.
QString heightLabel(UnitSystem units, int row, const QLocale &locale = QLocale());

// A decimal number held exactly: digits x 10^exponent.
struct Decimal
{
    qint64 digits = 0;
    int exponent = 0;
};

// The shortest decimal that reads back as the given double. A number typed
// with up to 15 significant digits comes back exactly as typed, because no
// two such numbers share a double; longer ones were already rounded by the
// reading, just as a typed number of pounds is. The value must be finite
// and positive.
Decimal shortestDecimal(double value);

// The weights poundsFromKilograms takes: they cover every weight that
// rounds to a pound the test can score (0.5 to 32767.5 pounds) and keep its
// integer arithmetic inside 64 bits.
inline constexpr double SmallestConvertibleKilograms = 0.1;
inline constexpr double LargestConvertibleKilograms = 100000;

// Kilograms as whole pounds: converted exactly (a pound is 0.45359237 kg by
// definition) and rounded as a typed number of pounds is, to the nearest
// pound, a half to the even one. The kilograms must lie within
// SmallestConvertibleKilograms..LargestConvertibleKilograms.
qint32 poundsFromKilograms(Decimal kilograms);

// The weight of the details with its unit, for showing: "80 kg" or
// "180 pounds". The amount is shown as given; the unit takes the plural form
// of the count, the amount's whole pounds ("1 pound").
QString weightWithUnit(UnitSystem units, const QString &amount, qint64 count);

// The chart limit of a row as the units show it, in the locale's digits and
// decimal mark: "129 pounds", or the lightest weight in tenths of a kilogram
// that scores, "58.3 kg" (58.3 kg rounds to 129 pounds, 58.2 kg to 128).
QString chartLimitText(UnitSystem units, int row, const QLocale &locale = QLocale());

// The same amount without its unit: "129", "58.3".
QString chartLimitAmount(UnitSystem units, int row, const QLocale &locale = QLocale());

// The chart limit of a row in tenths of a kilogram: the lightest weight of
// whole tenths that scores.
int chartLimitTenthsOfKilogram(int row);

} // namespace risktest
