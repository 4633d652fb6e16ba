#include "AppConstants.h"
#include "report/PdfFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Choices = std::array<int, risktest::QuestionCount>;
Q_DECLARE_METATYPE(Choices)

namespace {

report::ResultRecord record(const QString &name, int heightRow, int weight, Choices choices)
{
    risktest::RiskTestRun run = risktest::startRun(heightRow, qint16(weight));
    for (int question = 0; question < risktest::QuestionCount; ++question)
        run.answers[question] = risktest::questions()[question].options[choices[question]];
    return {name, run, risktest::calculateRisk(run), QDateTime(QDate(2024, 2, 29), QTime(14, 5))};
}

// The saved page as pdftotext lays it out: its lines that hold any text, each
// gap between words or columns made one space, and how many pages it has.
struct SavedPage
{
    QStringList lines;
    qsizetype pages = 0;
};

SavedPage save(const report::ResultRecord &taken, QPageSize::PageSizeId paper)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"result.pdf"_s);
    if (const std::optional<QString> problem =
            report::writeResultPdf(taken, path, QPageSize(paper)))
        qWarning("not written: %s", qPrintable(*problem));
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    reader.waitForFinished(30000);
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    SavedPage page{{}, text.count(u'\f')};
    for (const QString &line : text.split(u'\n')) {
        if (!line.simplified().isEmpty())
            page.lines << line.simplified();
    }
    return page;
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
        const auto [lines, pages] = save(taken, QPageSize::PageSizeId(paper));

        QCOMPARE(pages, 1);
        QVERIFY(lines.contains(app::WindowCaption.toString()));
        QVERIFY(lines.contains(u"Name: "_s + name));
        QVERIFY(lines.contains(u"Height: "_s + chartRow.heightLabel.toString()));
        QVERIFY(lines.contains(u"Weight: %1 pounds"_s.arg(chartRow.limit + overLimit)));
        int sum = 0;
        qsizetype at = 0;
        for (int question = 0; question < risktest::QuestionCount; ++question) {
            at = lines.indexOf(risktest::questions()[question].text, at);
            const QString answer = taken.run.answers[question];
            const int points = risktest::answerPoints(question, answer);
            QCOMPARE(lines.value(at + 1), answer + u' ' + QString::number(points));
            sum += points;
        }
        at = lines.indexOf(u"Weight limit for a height of %1: %2 pounds"_s.arg(
                               chartRow.heightLabel.toString(), QString::number(chartRow.limit)),
                           at);
        QCOMPARE(lines.value(at + 1),
                 overLimit >= 0 ? u"At or above the limit 5"_s : u"Below the limit 0"_s);
        QCOMPARE(sum + (overLimit >= 0 ? 5 : 0), total);
        QCOMPARE(lines.value(at + 2), u"Total "_s + QString::number(total));
        at = lines.indexOf(u"Your Score is: %1"_s.arg(total), at);
        QCOMPARE(lines.mid(at, 3),
                 (QStringList{taken.result.scoreLine, risktest::verdictFor(total),
                              u"P. S: Kindly consult your physician before taking any drastic "
                              u"steps."_s}));
        at = lines.indexOf(u"0 to 2 points"_s, at);
        QCOMPARE(lines.mid(at, 6), (QStringList{u"0 to 2 points"_s, risktest::verdictFor(0),
                                                u"3 to 9 points"_s, risktest::verdictFor(3),
                                                u"10 points or more"_s, risktest::verdictFor(10)}));
    }

    void longName_stillOnOnePage()
    {
        const report::ResultRecord taken =
            record(u"Ann Lee "_s.repeated(300), 3, 100, Choices{2, 0, 1, 0, 0});
        const SavedPage page = save(taken, QPageSize::Letter);
        QCOMPARE(page.pages, 1);
        QVERIFY(page.lines.contains(taken.result.verdict));
    }
};

QTEST_MAIN(ResultPageTest)
#include "tst_resultpage.moc"
