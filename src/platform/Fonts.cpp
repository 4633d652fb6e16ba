#include "Fonts.h"

#include <QFontDatabase>
#include <QString>

#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace platform {
namespace {

// The first of the families that this machine has, the designed one first.
// Asking Qt for a missing family makes it match the name, fail, and match the
// substitute all over again for every font; settling it once is cheaper.
QString installedFamily(std::initializer_list<QStringView> families)
{
    for (const QStringView family : families) {
        if (QFontDatabase::hasFamily(family.toString()))
            return family.toString();
    }
    return families.begin()->toString();
}

QFont makeFont(const QString &family, qreal pointSize, FontStyle style)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

} // namespace

QFont verdana(qreal pointSize, FontStyle style)
{
    // DejaVu Sans descends from Bitstream Vera, drawn much like Verdana;
    // Debian installs it with fonts-dejavu-core.
    static const QString family = installedFamily({u"Verdana", u"DejaVu Sans"});
    return makeFont(family, pointSize, style);
}

QFont msSansSerif(qreal pointSize, FontStyle style)
{
    // MS Sans Serif is narrower than Verdana, close to Arial, whose metrics
    // Liberation Sans (fonts-liberation2) shares.
    static const QString family =
        installedFamily({u"MS Sans Serif", u"Liberation Sans", u"DejaVu Sans"});
    return makeFont(family, pointSize, style);
}

} // namespace platform
