#include "Fonts.h"

#include <QString>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace platform {
namespace {

// DejaVu Sans descends from Bitstream Vera, drawn much like Verdana; Debian
// installs it with fonts-dejavu-core. MS Sans Serif is narrower, close to
// Arial, whose metrics Liberation Sans (fonts-liberation2) shares.
constexpr auto VerdanaSubstitute = u"DejaVu Sans";
constexpr auto SansSerifSubstitute = u"Liberation Sans";

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
        const QString verdana = QString::fromUtf16(VerdanaSubstitute);
        QFont::insertSubstitution(u"Verdana"_s, verdana);
        QFont::insertSubstitutions(u"MS Sans Serif"_s,
                                   QStringList{QString::fromUtf16(SansSerifSubstitute), verdana});
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
