#include "AppConstants.h"
#include "report/PdfFile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Choices = std::array<int, risktest::QuestionCount>;
Q_DECLARE_METATYPE(Choices)

namespace {

// The page's lines as pdftotext lays them out, without spaces at either end;
// a form feed ends each page.
QStringList pdfLines(const QString &path)
{
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {};
    QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
    static const QRegularExpression edges(u"^ +| +$"_s);
    for (QString &line : lines)
        line.remove(edges);
    return lines;
}

report::ResultRecord record(const QString &name, int heightRow, int weight, Choices choices)
{
    risktest::RiskTestRun run = risktest::startRun(heightRow, qint16(weight));
    for (int question = 0; question < risktest::QuestionCount; ++question)
        run.answers[question] = risktest::questions()[question].options[choices[question]];
    return {name, run, risktest::calculateRisk(run), QDateTime(QDate(2024, 2, 29), QTime(14, 5))};
}

// The first line after line `at` with any text.
QString lineAfter(const QStringList &lines, qsizetype at)
{
    while (++at < lines.size() && lines[at].isEmpty()) {
    }
    return lines.value(at);
}

// What follows `label` and a gap on the line, or a null string when the line
// does not start so.
QString after(const QString &line, const QString &label)
{
    const QRegularExpression labelled(u"^"_s + QRegularExpression::escape(label) + u"\\s+(.*)$"_s);
    return labelled.match(line).captured(1);
}

// What follows `label` on the first line that starts with it.
QString labelled(const QStringList &lines, const QString &label)
{
    for (const QString &line : lines) {
        if (const QString value = after(line, label); !value.isNull())
            return value;
    }
    return {};
}

// The points at the end of the line after line `at`, which must read `what`
// before them; -1 when it does not.
int pointsAfter(const QStringList &lines, qsizetype at, const QString &what)
{
    bool number = false;
    const int points = after(lineAfter(lines, at), what).toInt(&number);
    return number ? points : -1;
}

// Writes the page and gives its lines; none when it could not be written.
QStringList savedLines(const report::ResultRecord &taken, QPageSize::PageSizeId paper)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"result.pdf"_s);
    if (const std::optional<QString> problem =
            report::writeResultPdf(taken, path, QPageSize(paper)))
        qWarning("not written: %s", qPrintable(*problem));
    return pdfLines(path);
}

} // namespace

class ResultPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedPage_readsBackItemByItem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("heightRow");
        QTest::addColumn<int>("overLimit"); // pounds above the height's limit
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("paper");
        // Between them every answer of every question, and both weight outcomes.
        QTest::newRow("veryLowOnePoundBelow")
            << u"Ann"_s << 0 << -1 << Choices{0, 1, 0, 1, 1} << 0 << int(QPageSize::Letter);
        QTest::newRow("lowHtmlName") << u"<b>Tom & Jerry</b> %1"_s << 10 << -77
                                     << Choices{0, 0, 0, 0, 0} << 3 << int(QPageSize::A4);
        QTest::newRow("highAtTheLimit") << u"Zoë Ō'Brien"_s << 18 << 0 << Choices{1, 1, 1, 1, 1}
                                        << 15 << int(QPageSize::Letter);
        QTest::newRow("highestFarAbove")
            << u"Bob"_s << 5 << 250 << Choices{2, 0, 1, 0, 0} << 22 << int(QPageSize::A4);
    }

    void savedPage_readsBackItemByItem()
    {
        QFETCH(QString, name);
        QFETCH(int, heightRow);
        QFETCH(int, overLimit);
        QFETCH(Choices, choices);
        QFETCH(int, total);
        QFETCH(int, paper);
        const risktest::WeightChartRow chartRow = risktest::WeightChart[heightRow];
        const report::ResultRecord taken =
            record(name, heightRow, chartRow.limit + overLimit, choices);
        const QStringList lines = savedLines(taken, QPageSize::PageSizeId(paper));

        QCOMPARE(lines.join(u'\n').count(u'\f'), 1);
        QVERIFY(lines.contains(app::WindowCaption.toString()));
        QCOMPARE(labelled(lines, u"Name:"_s), name);
        QCOMPARE(labelled(lines, u"Height:"_s), chartRow.heightLabel.toString());
        QCOMPARE(labelled(lines, u"Weight:"_s), u"%1 pounds"_s.arg(chartRow.limit + overLimit));
        int sum = 0;
        qsizetype at = 0;
        for (int question = 0; question < risktest::QuestionCount; ++question) {
            at = lines.indexOf(risktest::questions()[question].text, at);
            const QString answer = taken.run.answers[question];
            QCOMPARE(pointsAfter(lines, at, answer), risktest::answerPoints(question, answer));
            sum += risktest::answerPoints(question, answer);
        }
        at = lines.indexOf(u"Weight limit for a height of %1: %2 pounds"_s.arg(
                               chartRow.heightLabel.toString(), QString::number(chartRow.limit)),
                           at);
        const int weightPoints = overLimit >= 0 ? 5 : 0;
        QCOMPARE(pointsAfter(lines, at,
                             overLimit >= 0 ? u"At or above the limit"_s : u"Below the limit"_s),
                 weightPoints);
        QCOMPARE(sum + weightPoints, total);
        QCOMPARE(labelled(lines, u"Total"_s), QString::number(total));
        at = lines.indexOf(u"Your Score is: %1"_s.arg(total), at);
        QVERIFY(at > 0);
        QCOMPARE(lineAfter(lines, at), risktest::verdictFor(total));
        QCOMPARE(lineAfter(lines, at + 1),
                 u"P. S: Kindly consult your physician before taking any drastic steps."_s);
        for (auto [band, inBand] : {std::pair{u"0 to 2 points"_s, 0},
                                    {u"3 to 9 points"_s, 3},
                                    {u"10 points or more"_s, 10}}) {
            at = lines.indexOf(band, at);
            QVERIFY2(at > 0, qPrintable(band));
            QCOMPARE(lineAfter(lines, at), risktest::verdictFor(inBand));
        }
    }

    void longName_stillOnOnePage()
    {
        const report::ResultRecord taken =
            record(u"Ann Lee "_s.repeated(300), 3, 100, Choices{2, 0, 1, 0, 0});
        const QStringList lines = savedLines(taken, QPageSize::Letter);
        QCOMPARE(lines.join(u'\n').count(u'\f'), 1);
        QVERIFY(lines.contains(taken.result.verdict));
    }
};

QTEST_MAIN(ResultPageTest)
#include "tst_resultpage.moc"
