#include "Fonts.h"

#include <QString>

using namespace Qt::Literals::StringLiterals;

namespace platform {
namespace {

// DejaVu Sans descends from Bitstream Vera, drawn to Verdana's metrics; it is
// the closest match that Debian installs with fonts-dejavu-core.
constexpr auto SubstituteFamily = u"DejaVu Sans";

QFont makeFont(const QString &family, qreal pointSize, FontStyle style)
{
    registerFontSubstitutes();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

} // namespace

void registerFontSubstitutes()
{
    static const bool registered = [] {
        QFont::insertSubstitution(u"Verdana"_s, QString::fromUtf16(SubstituteFamily));
        QFont::insertSubstitution(u"MS Sans Serif"_s, QString::fromUtf16(SubstituteFamily));
        return true;
    }();
    Q_UNUSED(registered);
}

QFont verdana(qreal pointSize, FontStyle style)
{
    return makeFont(u"Verdana"_s, pointSize, style);
}

QFont msSansSerif(qreal pointSize, FontStyle style)
{
    return makeFont(u"MS Sans Serif"_s, pointSize, style);
}

} // namespace platform
