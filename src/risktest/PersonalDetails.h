#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Checks of the details panel, without any window: the name and weight must be
// given, and the weight must be a number of pounds the test can score.
namespace risktest {

inline constexpr qint16 MinimumWeight = 1;
inline constexpr qint16 MaximumWeight = 32767;

// Reads the weight text, trimmed of spaces, as a number in the locale and
// rounds it to whole pounds, a half to the even neighbour (150.5 gives 150,
// 151.5 gives 152). Nothing when the text is no number or the rounded weight
// lies outside MinimumWeight..MaximumWeight.
std::optional<qint16> parseWeight(const QString &text, const QLocale &locale = QLocale());

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
                            const QLocale &locale = QLocale());

} // namespace risktest
