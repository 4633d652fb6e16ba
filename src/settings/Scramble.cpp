#include "Scramble.h"

namespace settings {
namespace {

constexpr int HighestSingleByteCode = 0xFF;

QString shifted(const QString &text, int offset)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode();
        const int moved = code + offset;
        // Dropping rather than wrapping keeps every character that is kept
        // reversible, and the stored text stays single-byte.
        if (code > HighestSingleByteCode || moved < 0 || moved > HighestSingleByteCode)
            continue;
        result.append(QChar(char16_t(moved)));
    }
    return result;
}

} // namespace

QString ScrambleText(const QString &text)
{
    return shifted(text, ScrambleOffset);
}

QString UnscrambleText(const QString &text)
{
    return shifted(text, -ScrambleOffset);
}

} // namespace settings
