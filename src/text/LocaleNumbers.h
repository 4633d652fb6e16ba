#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// Numbers as the language of the texts writes them: in its own digits
// (Arabic-Indic under Arabic, ASCII under English, Chinese or Hindi) and with
// its own decimal mark, so that one window never mixes two kinds of digit.
// QString::arg(int) writes ASCII digits whatever the locale: every number a
// window or the result page shows goes through these instead.
//
// None of them groups thousands. The numbers the program shows are small
// (heights, points, scores), save a weight, and a weight is written without
// a thousands separator: kilograms are never typed with one, and a weight of
// 1200 pounds shown as "1,200" next to the "1200" the user typed would read
// as another number in half the world.
namespace text {

// A whole number: 16 as "16", "١٦" under Arabic.
QString wholeNumber(qint64 value, const QLocale &locale = QLocale());

// A number with a fixed count of decimals: 58.3 as "58.3", "58,3" under
// German, "٥٨٫٣" under Arabic.
QString decimalNumber(double value, int decimals, const QLocale &locale = QLocale());

// The text with each ASCII digit replaced by the locale's own digit of the
// same value, and every other character as it was: a number the user typed,
// in the digits the window shows.
QString inLocaleDigits(QStringView text, const QLocale &locale = QLocale());

} // namespace text
