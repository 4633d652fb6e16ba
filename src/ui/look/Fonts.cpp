#include "Fonts.h"

#include "platform/Fontconfig.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace ui {
namespace {

// The first of the families that this machine has, the designed one first.
// Asking Qt for a missing family makes it match the name, fail, and match the
// substitute all over again for every font; settling it once is cheaper. One
// listing of the installed families answers for every name: asking about each
// name sends fontconfig through its aliases every time.
QString installedFamily(std::initializer_list<QStringView> families)
{
    platform::waitForFontconfig();
    static const QStringList installed = QFontDatabase::families();
    for (const QStringView family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
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

qreal smallestReadablePointSize(const QString &text)
{
    static const QRegularExpression denseScripts(u"[\\p{Han}\\p{Devanagari}\\p{Arabic}]"_s);
    return text.contains(denseScripts) ? 8 : 7;
}

} // namespace ui
