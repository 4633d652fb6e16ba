#include "ResultPage.h"

#include "AppConstants.h"
#include "text/LocaleNumbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace report {
namespace {

// The page's own texts, translated in the context "ResultPage". The
// questions, answers, score line and verdict come from the scoring as the
// window shows them.
struct ResultPage
{
    Q_DECLARE_TR_FUNCTIONS(ResultPage)
};

constexpr qreal BodyPointSize = 10;

QString escaped(const QString &plain)
{
    return plain.toHtmlEscaped();
}

// The page's sides as its language reads: where a line starts and where it
// ends, and its tables' rows in that order. Qt lays a table's columns out
// left to right whatever the direction, so right to left a row's cells are
// written from the last to the first.
struct Sides
{
    explicit Sides(const QLocale &locale)
        : rightToLeft(locale.textDirection() == Qt::RightToLeft)
    {}
    QString start() const { return rightToLeft ? u"right"_s : u"left"_s; }
    QString end() const { return rightToLeft ? u"left"_s : u"right"_s; }
    QString row(QStringList cells) const
    {
        if (rightToLeft)
            std::reverse(cells.begin(), cells.end());
        return u"<tr>"_s + cells.join(QString()) + u"</tr>"_s;
    }
    bool rightToLeft;
};

// Whether the first letter of `text` that has a direction of its own reads
// left to right (a Latin one), as Unicode decides a paragraph's direction.
bool startsLeftToRight(const QString &text)
{
    for (const QChar c : text) {
        if (c.direction() == QChar::DirL)
            return true;
        if (c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return false;
    }
    return false;
}

// Headings take their colour from the page's style sheet.
QString heading(const QString &text)
{
    return u"<p class=\"heading\" style=\"font-size:12pt; font-weight:bold; margin-top:14px; "
           u"margin-bottom:4px\">%1</p>"_s.arg(escaped(text));
}

// The chart row of the run's height; none for a row outside the chart.
std::optional<risktest::WeightChartRow> chartRow(const risktest::RiskTestRun &run)
{
    if (run.heightRow < 0 || run.heightRow >= risktest::HeightCount)
        return std::nullopt;
    return risktest::WeightChart[run.heightRow];
}

QString takenAt(const QDateTime &when, const QLocale &locale)
{
    //: When the test was taken: %1 is the long date, %2 the time. The mark
    //: between them is the language's own (Arabic writes "،").
    return ResultPage::tr("%1, %2").arg(locale.toString(when.date(), QLocale::LongFormat),
                                        locale.toString(when.time(), QLocale::ShortFormat));
}

QString titleBlock(const ResultRecord &record, const QLocale &locale)
{
    // Arabic marks above a letter (the damma of "أُجري") reach past the line
    // spacing of a Latin line.
    const QString spacing =
        locale.script() == QLocale::ArabicScript ? u"; line-height:125%"_s : QString();
    return u"<p class=\"heading\" style=\"font-size:16pt; font-weight:bold; "
           u"margin-bottom:2px\">%1</p><p style=\"margin-top:0px%4\">%2<br>%3</p>"_s.arg(
               escaped(ResultPage::tr("Diabetes Risk Test Result")),
               escaped(app::WindowCaption.toString()),
               escaped(ResultPage::tr("Taken on %1").arg(takenAt(record.takenAt, locale))),
               spacing);
}

QString detailsBlock(const ResultRecord &record, const QLocale &locale)
{
    const Sides sides(locale);
    const std::optional<risktest::WeightChartRow> row = chartRow(record.run);
    // Right to left the table runs across the page, so that its labels stand
    // at the right, each whole, with its value beside it: the labels' column
    // as narrow as they let it (a reader such as pdftotext then reads each
    // label and its value as one line), the values' the rest.
    const QString labelStyle =
        sides.rightToLeft ? u" width=\"1%\" style=\"padding-left:12px; white-space:nowrap\""_s
                          : u" style=\"padding-right:12px\""_s;
    auto line = [&](const QString &label, const QString &value) {
        // A name typed in Latin letters reads left to right, with its
        // punctuation at its end, still beside its label.
        const QString ownDirection = sides.rightToLeft && startsLeftToRight(value)
                                         ? u" dir=\"ltr\" align=\"right\""_s
                                         : QString();
        return sides.row({u"<td%1><b>%2</b></td>"_s.arg(labelStyle, escaped(label)),
                          u"<td%1>%2</td>"_s.arg(ownDirection, escaped(value))});
    };
    return (sides.rightToLeft ? u"<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">"_s
                              : u"<table cellspacing=\"0\" cellpadding=\"1\">"_s) +
           line(ResultPage::tr("Name:"), record.name) +
           line(ResultPage::tr("Height:"),
                row ? risktest::heightLabel(record.run.units, record.run.heightRow, locale)
                    : QString()) +
           line(ResultPage::tr("Weight:"), weightAsEntered(record.run, locale)) + u"</table>"_s;
}

// One item of the score: what was asked on a line of its own, then what was
// answered, which stands out, with the points it scored. The longest question
// fills a line of A4 in the plain face; in bold it would run over.
QString scoredItem(const QString &asked, const QString &answered, const QString &points,
                   const Sides &sides)
{
    return u"<tr><td colspan=\"2\" style=\"padding-top:6px\">%1</td></tr>"_s.arg(escaped(asked)) +
           sides.row({u"<td style=\"padding-%1:16px\"><b>%2</b></td>"_s.arg(sides.start(),
                                                                            escaped(answered)),
                      u"<td align=\"%1\"><b>%2</b></td>"_s.arg(sides.end(), escaped(points))});
}

QString pointsBlock(const ResultRecord &record, const QLocale &locale)
{
    const Sides sides(locale);
    const risktest::Points &points = record.result.points;
    QString rows = sides.row({u"<td></td>"_s, u"<td align=\"%1\"><b>%2</b></td>"_s.arg(
                                                  sides.end(), escaped(ResultPage::tr("Points")))});
    for (int question = 0; question < risktest::QuestionCount; ++question) {
        rows += scoredItem(risktest::questions()[question].text, record.run.answers[question],
                           text::wholeNumber(points.answers[question], locale), sides);
    }
    const std::optional<risktest::WeightChartRow> row = chartRow(record.run);
    const QString limit =
        row ? ResultPage::tr("Weight limit for a height of %1: %2")
                  .arg(risktest::heightLabel(record.run.units, record.run.heightRow, locale),
                       risktest::chartLimitText(record.run.units, record.run.heightRow, locale))
            : ResultPage::tr("Weight limit");
    rows += scoredItem(limit,
                       points.weight > 0 ? ResultPage::tr("At or above the limit")
                                         : ResultPage::tr("Below the limit"),
                       text::wholeNumber(points.weight, locale), sides);
    rows += sides.row(
        {u"<td style=\"padding-top:8px\"><b>%1</b></td>"_s.arg(escaped(ResultPage::tr("Total"))),
         u"<td align=\"%1\" style=\"padding-top:8px\"><b>%2</b></td>"_s.arg(
             sides.end(), escaped(text::wholeNumber(record.result.score, locale)))});
    return heading(ResultPage::tr("Your answers")) +
           u"<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">"_s + rows + u"</table>"_s;
}

// The score line as the result panel shows it, written again in the page's
// locale.
QString resultBlock(const ResultRecord &record, const QLocale &locale)
{
    return heading(ResultPage::tr("Result")) +
           u"<p style=\"font-size:12pt; font-weight:bold; margin-bottom:4px\">%1</p>"
           u"<p style=\"margin-top:0px\">%2</p><p>%3</p>"_s.arg(
               escaped(risktest::scoreLine(record.result.score, locale)),
               escaped(record.result.verdict), escaped(risktest::physicianNote()));
}

QString howTheScoreWorks(const QLocale &locale)
{
    QString bands;
    for (const risktest::RiskBand &band : risktest::riskBands(locale)) {
        bands += u"<p style=\"margin-top:4px; margin-bottom:0px\"><b>%1</b><br>%2</p>"_s.arg(
            escaped(band.scores), escaped(band.verdict));
    }
    return heading(ResultPage::tr("How the score works")) + u"<p style=\"margin-top:0px\">"_s +
           escaped(ResultPage::tr("Each answer adds the points shown beside it, and a weight at or "
                                  "above the limit for the height adds %1 points. The total "
                                  "falls in one of three bands:",
                                  nullptr, risktest::WeightScore)
                       .arg(text::wholeNumber(risktest::WeightScore, locale))) +
           u"</p>"_s + bands + u"<p style=\"margin-top:10px\">"_s +
           escaped(ResultPage::tr("The score is a screening aid, not a diagnosis: only a doctor "
                                  "can tell whether you have diabetes.")) +
           u"</p>"_s;
}

// How high the first line of a cell's text reaches above its baseline, in
// the faces it is drawn in (a Chinese face reaches higher than a Latin one).
qreal firstLineAscent(const QTextTableCell &cell, const QFont &pageFont)
{
    const QTextBlock block = cell.firstCursorPosition().block();
    if (block.text().isEmpty())
        return 0;
    QTextLayout layout(block.text(),
                       block.begin().fragment().charFormat().font().resolve(pageFont));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(block.text().size());
    layout.endLayout();
    return line.ascent();
}

// Qt 6.4 starts every cell of a table row at the row's top: a value or a
// points figure in a Latin face beside a label in a taller Chinese face sits
// above the label's baseline. Each cell is lowered onto the baseline of the
// row's highest first line.
void alignRowsOnBaselines(QTextDocument &page)
{
    for (QTextFrame *frame : page.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        for (int row = 0; row < table->rows(); ++row) {
            QList<qreal> ascents;
            for (int column = 0; column < table->columns(); ++column)
                ascents << firstLineAscent(table->cellAt(row, column), page.defaultFont());
            const qreal highest = *std::max_element(ascents.cbegin(), ascents.cend());
            for (int column = 0; column < table->columns(); ++column) {
                if (ascents[column] == 0 || ascents[column] >= highest)
                    continue;
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat format = cell.format().toTableCellFormat();
                const qreal padding = format.hasProperty(QTextFormat::TableCellTopPadding)
                                          ? format.topPadding()
                                          : table->format().cellPadding();
                format.setTopPadding(padding + highest - ascents[column]);
                cell.setFormat(format);
            }
        }
    }
}

} // namespace

std::unique_ptr<QTextDocument> resultPage(const ResultRecord &record, const QLocale &locale,
                                          const PageLook &look)
{
    auto page = std::make_unique<QTextDocument>();
    const Sides sides(locale);
    QFont font = look.font;
    font.setPointSizeF(BodyPointSize);
    // Without ligatures: a PDF reader would find, copy and read aloud "ff"
    // in "suffering" as one odd character. Arabic and Devanagari letters
    // must be shaped to join, so pages in other scripts keep shaping.
    if (locale.script() == QLocale::LatinScript || locale.script() == QLocale::AnyScript)
        font.setStyleStrategy(QFont::PreferNoShaping);
    page->setDefaultFont(font);
    // The device's margins frame the page.
    page->setDocumentMargin(0);
    page->setMetaInformation(QTextDocument::DocumentTitle,
                             ResultPage::tr("Diabetes Risk Test Result"));
    page->setDefaultStyleSheet(u"p.heading { color: %1 }"_s.arg(look.headingColour.name()));
    const QString blocks = titleBlock(record, locale) + detailsBlock(record, locale) +
                           pointsBlock(record, locale) + resultBlock(record, locale) +
                           howTheScoreWorks(locale);
    // In a right-to-left language (Arabic) the page reads right to left: its
    // paragraphs, and its tables from the right.
    page->setHtml(sides.rightToLeft ? u"<body dir=\"rtl\">"_s + blocks + u"</body>"_s : blocks);
    alignRowsOnBaselines(*page);
    return page;
}

} // namespace report
