#include "LocaleNumbers.h"

namespace text {

namespace {

QLocale ungrouped(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString wholeNumber(qint64 value, const QLocale &locale)
{
    return ungrouped(locale).toString(value);
}

QString decimalNumber(double value, int decimals, const QLocale &locale)
{
    return ungrouped(locale).toString(value, 'f', decimals);
}

QString inLocaleDigits(QStringView text, const QLocale &locale)
{
    // The locale's zero may lie outside the basic plane (some scripts'
    // digits do); its digits follow it in order.
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.size() != 1 || zero.front() == U'0')
        return text.toString();
    QString written;
    for (const char32_t c : text.toUcs4()) {
        const char32_t shown = c >= U'0' && c <= U'9' ? zero.front() + (c - U'0') : c;
        written += QString::fromUcs4(&shown, 1);
    }
    return written;
}

} // namespace text
