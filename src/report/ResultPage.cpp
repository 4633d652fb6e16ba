#include "ResultPage.h"

#include "AppConstants.h"
#include "text/LocaleNumbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextDocument>

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
    return locale.toString(when.date(), QLocale::LongFormat) + u", "_s +
           locale.toString(when.time(), QLocale::ShortFormat);
}

QString titleBlock(const ResultRecord &record, const QLocale &locale)
{
    return u"<p class=\"heading\" style=\"font-size:16pt; font-weight:bold; "
           u"margin-bottom:2px\">%1</p><p style=\"margin-top:0px\">%2<br>%3</p>"_s.arg(
               escaped(ResultPage::tr("Diabetes Risk Test Result")),
               escaped(app::WindowCaption.toString()),
               escaped(ResultPage::tr("Taken on %1").arg(takenAt(record.takenAt, locale))));
}

QString detailsBlock(const ResultRecord &record, const QLocale &locale)
{
    const std::optional<risktest::WeightChartRow> row = chartRow(record.run);
    auto line = [](const QString &label, const QString &value) {
        return u"<tr><td style=\"padding-right:12px\"><b>%1</b></td><td>%2</td></tr>"_s.arg(
            escaped(label), escaped(value));
    };
    return u"<table cellspacing=\"0\" cellpadding=\"1\">"_s +
           line(ResultPage::tr("Name:"), record.name) +
           line(ResultPage::tr("Height:"),
                row ? risktest::heightLabel(record.run.units, record.run.heightRow, locale)
                    : QString()) +
           line(ResultPage::tr("Weight:"), weightAsEntered(record.run, locale)) + u"</table>"_s;
}

// One item of the score: what was asked on a line of its own, then what was
// answered, which stands out, with the points it scored. The longest question
// fills a line of A4 in the plain face; in bold it would run over.
QString scoredItem(const QString &asked, const QString &answered, const QString &points)
{
    return u"<tr><td colspan=\"2\" style=\"padding-top:6px\">%1</td></tr>"
           u"<tr><td style=\"padding-left:16px\"><b>%2</b></td>"
           u"<td align=\"right\"><b>%3</b></td></tr>"_s.arg(escaped(asked), escaped(answered),
                                                            escaped(points));
}

QString pointsBlock(const ResultRecord &record, const QLocale &locale)
{
    const risktest::Points &points = record.result.points;
    QString rows = u"<tr><td></td><td align=\"right\"><b>%1</b></td></tr>"_s.arg(
        escaped(ResultPage::tr("Points")));
    for (int question = 0; question < risktest::QuestionCount; ++question) {
        rows += scoredItem(risktest::questions()[question].text, record.run.answers[question],
                           text::wholeNumber(points.answers[question], locale));
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
                       text::wholeNumber(points.weight, locale));
    rows += u"<tr><td style=\"padding-top:8px\"><b>%1</b></td>"
            u"<td align=\"right\" style=\"padding-top:8px\"><b>%2</b></td></tr>"_s.arg(
                escaped(ResultPage::tr("Total")),
                escaped(text::wholeNumber(record.result.score, locale)));
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
                                  "falls in one of three bands:")
                       .arg(text::wholeNumber(risktest::WeightScore, locale))) +
           u"</p>"_s + bands + u"<p style=\"margin-top:10px\">"_s +
           escaped(ResultPage::tr("The score is a screening aid, not a diagnosis: only a doctor "
                                  "can tell whether you have diabetes.")) +
           u"</p>"_s;
}

} // namespace

std::unique_ptr<QTextDocument> resultPage(const ResultRecord &record, const QLocale &locale,
                                          const PageLook &look)
{
    auto page = std::make_unique<QTextDocument>();
    QFont font = look.font;
    font.setPointSizeF(BodyPointSize);
    // Without ligatures: a PDF reader would find, copy and read aloud "ff"
    // in "suffering" as one odd character.
    font.setStyleStrategy(QFont::PreferNoShaping);
    page->setDefaultFont(font);
    // The device's margins frame the page.
    page->setDocumentMargin(0);
    page->setMetaInformation(QTextDocument::DocumentTitle,
                             ResultPage::tr("Diabetes Risk Test Result"));
    page->setDefaultStyleSheet(u"p.heading { color: %1 }"_s.arg(look.headingColour.name()));
    page->setHtml(titleBlock(record, locale) + detailsBlock(record, locale) +
                  pointsBlock(record, locale) + resultBlock(record, locale) +
                  howTheScoreWorks(locale));
    return page;
}

} // namespace report
