#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// A PDF file read back with poppler's tools.
namespace support {

// What a tool writes to its standard output, in UTF-8.
inline QString toolOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The file's text (pdftotext with the options given; "\f" ends a page).
inline QString pdfText(const QString &pdf, const QStringList &options = {})
{
    using namespace Qt::Literals::StringLiterals;
    return toolOutput(u"pdftotext"_s, options + QStringList{u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
}

// What pdfinfo says of the file: its pages, the paper ("Page size: ... (A4)").
inline QString pdfInfo(const QString &pdf)
{
    using namespace Qt::Literals::StringLiterals;
    return toolOutput(u"pdfinfo"_s, {pdf});
}

inline int pdfPageCount(const QString &pdf)
{
    using namespace Qt::Literals::StringLiterals;
    return QRegularExpression(u"Pages: +([0-9]+)\n"_s).match(pdfInfo(pdf)).captured(1).toInt();
}

// The height, in points, of the box pdftotext gives the first `word`; 0
// without one. A line of 10 points is boxed about 11.6 points high.
inline qreal wordHeight(const QString &pdf, const QString &word)
{
    using namespace Qt::Literals::StringLiterals;
    const QRegularExpressionMatch found =
        QRegularExpression(uR"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">)re"_s +
                           QRegularExpression::escape(word) + u"</word>"_s)
            .match(pdfText(pdf, {u"-bbox"_s}));
    return found.hasMatch() ? found.captured(2).toDouble() - found.captured(1).toDouble() : 0;
}

} // namespace support
