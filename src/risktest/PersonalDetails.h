#pragma once

#include "Units.h"

#include <QLocale>
#include <QString>

#include <optional>

// Checks of the details panel, without any window: the name and weight must be
// given, and the weight must be a number of pounds, or of kilograms that
// convert to pounds, the test can score.
namespace risktest {

// In whole pounds, whatever the units the weight is typed in: in kilograms
// the weights over 0.226796185 (half a pound) and under 14863.087983975
// (32767.5 pounds) are valid.
inline constexpr qint16 MinimumWeight = 1;
// The weight is a 16-bit number, and a weight beyond its range is refused,
// never wrapped. No chart limit comes near it, but the check stays: typing
// 40000 is what it guards, and wrapped, that weight would score nothing.
inline constexpr qint16 MaximumWeight = 32767;

// Reads the weight text, trimmed of spaces, and rounds it to whole pounds, a
// half to the even neighbour (150.5 gives 150, 151.5 gives 152). Digits of
// another script than the locale's, full-width or Devanagari ones among them,
// and the full-width full stop and comma count as their ASCII counterparts
// ("８０．５" as "80.5"). Pounds are read as a number in the locale. Kilograms are read as people
// type them (see readKilograms in the source): a dot or a comma for the decimal mark, the locale's
// digits or ASCII ones, no thousands separator; they are converted exactly to pounds
// (poundsFromKilograms) and rounded the same way. Nothing when the text is no number or the rounded
// weight lies outside MinimumWeight..MaximumWeight.
std::optional<qint16> parseWeight(const QString &text, const QLocale &locale = QLocale(),
                                  UnitSystem units = UnitSystem::Imperial);

// A weight in kilograms written as the locale writes it, for the message that
// asks for one: "80,5" in German, "٨٠٫٥" in Arabic, "80.5" in English.
QString kilogramsExample(const QLocale &locale = QLocale());

// A weight the user typed, trimmed of spaces, as the locale writes it: in
// its digits, and in kilograms with its decimal mark ("80.5" typed under
// Arabic shows as "٨٠٫٥", under German as "80,5"). The figures are those
// typed, decimals and leading zeros included, and nothing is grouped.
// Pounds, read in the locale's own form, keep their marks.
QString weightAsWritten(const QString &typed, UnitSystem units, const QLocale &locale = QLocale());

enum class DetailsProblem { None, NameMissing, WeightMissing, WeightInvalid };

// The details as checked: the first problem, or the weight they give.
struct CheckedDetails
{
    DetailsProblem problem = DetailsProblem::None;
    qint16 weight = 0;
};

// The first problem of the details, tested in the order name, weight present,
// weight valid; or, with no problem, the weight read once with parseWeight.
// A name of spaces counts as given; a weight of spaces is given but not
// valid.
CheckedDetails checkDetails(const QString &name, const QString &weightText,
                            const QLocale &locale = QLocale(),
                            UnitSystem units = UnitSystem::Imperial);

} // namespace risktest
