#include "AppConstants.h"
#include "platform/Translators.h"
#include "report/PdfFile.h"
#include "report/PrintingModule.h"
#include "report/ResultPage.h"
#include "text/LocaleNumbers.h"
#include "ui/look/ResultPageLook.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include "support/Poppler.h"

using namespace Qt::Literals::StringLiterals;
using Choices = std::array<int, risktest::QuestionCount>;
Q_DECLARE_METATYPE(Choices)

namespace {

// The page saved as PDF and read back with pdftotext: its lines with any
// text, each gap between words or columns made one space, and "=page=" where
// a page ends, and the height of its name label; or why it could not be
// saved.
QStringList savedLines(const report::ResultRecord &taken, QPageSize::PageSizeId paper,
                       qreal *labelHeight = nullptr)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"result.pdf"_s);
    if (const std::optional<QString> problem = report::writeResultPdf(
            *report::resultPage(taken, QLocale(), ui::resultPageLook()), path, paper,
            report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s)))
        return {*problem};
    if (labelHeight)
        *labelHeight = support::wordHeight(path, u"Name:"_s);
    QString text = support::pdfText(path, {u"-layout"_s});
    QStringList lines;
    for (const QString &line : text.replace(u'\f', u"\n=page=\n"_s).split(u'\n')) {
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

// How far the first line of a block, as laid out, stands from the left or
// the right side of the room it has (in a table, its cell).
qreal gapTo(const QTextBlock &block, bool rightSide)
{
    const QTextLine line = block.layout()->lineAt(0);
    return rightSide ? line.rect().right() - line.naturalTextRect().right()
                     : line.naturalTextRect().left() - line.rect().left();
}

} // namespace

class ResultPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void savedPage_readsBackItemByItem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("heightRow");
        QTest::addColumn<int>("overLimit"); // pounds above the height's limit
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("paper");
        // Typed in kilograms, if not empty; the weight is still given in pounds.
        QTest::addColumn<QString>("kilograms");
        // Whether the page is printed smaller than its 10 points to stay on one sheet.
        QTest::addColumn<bool>("shrunk");
        QTest::addColumn<QString>("localeName"); // of the page and the default
        // Between them every answer of every question, and both weight outcomes.
        QTest::newRow("veryLowOnePoundBelow")
            << u"Ann"_s << 0 << -1 << Choices{0, 1, 0, 1, 1} << 0 << int(QPageSize::Letter)
            << QString() << false << u"en_US"_s;
        QTest::newRow("lowHtmlName")
            << u"<b>Tom & Jerry</b> %1"_s << 10 << -77 << Choices{0, 0, 0, 0, 0} << 3
            << int(QPageSize::A4) << QString() << false << u"en_US"_s;
        QTest::newRow("highAtTheLimit")
            << u"Zoë Ō'Brien"_s << 18 << 0 << Choices{1, 1, 1, 1, 1} << 15 << int(QPageSize::Letter)
            << QString() << false << u"en_US"_s;
        // 75.8 kg is 167.1 pounds, the limit at 168 cm.
        QTest::newRow("metricAtTheLimit") << u"Ann"_s << 8 << 0 << Choices{1, 0, 0, 0, 1} << 12
                                          << int(QPageSize::A4) << u"75.8"_s << false << u"en_US"_s;
        // Printed smaller to stay on one page.
        QTest::newRow("longNameOnLetter")
            << u"Ann Lee "_s.repeated(300) << 3 << 9 << Choices{2, 0, 1, 0, 0} << 22
            << int(QPageSize::Letter) << QString() << true << u"en_IN"_s;
    }

    void savedPage_readsBackItemByItem()
    {
        QFETCH(QString, name);
        QFETCH(int, heightRow);
        QFETCH(int, overLimit);
        QFETCH(Choices, choices);
        QFETCH(int, total);
        QFETCH(int, paper);
        QFETCH(QString, kilograms);
        QFETCH(bool, shrunk);
        QFETCH(QString, localeName);
        QLocale::setDefault(QLocale(localeName));
        using text::wholeNumber;
        const auto units =
            kilograms.isEmpty() ? risktest::UnitSystem::Imperial : risktest::UnitSystem::Metric;
        const qint16 weight = qint16(risktest::WeightChart[heightRow].limit + overLimit);
        risktest::RiskTestRun run = risktest::startRun(heightRow, weight, units, kilograms);
        const QString height = risktest::heightLabel(units, heightRow);
        for (int question = 0; question < risktest::QuestionCount; ++question)
            run.answers[question] = risktest::questions()[question].options[choices[question]];
        const report::ResultRecord taken{name, run, risktest::calculateRisk(run),
                                         QDateTime(QDate(2024, 2, 29), QTime(14, 5))};

        qreal labelHeight = 0;
        const QStringList lines = savedLines(taken, QPageSize::PageSizeId(paper), &labelHeight);

        QCOMPARE(lines.count(u"=page="_s), 1);
        QVERIFY2(shrunk ? labelHeight > 1 && labelHeight < 11 : qAbs(labelHeight - 11.6) < 0.5,
                 qPrintable(QString::number(labelHeight)));
        QVERIFY(lines.contains(app::WindowCaption.toString()));
        // A long name runs on over several lines of its own.
        QVERIFY(lines.join(u' ').contains(
            u"Name: "_s + name.simplified() + u" Height: "_s + height + u" Weight: "_s +
            (kilograms.isEmpty() ? u"%1 pounds"_s : u"%1 kg"_s)
                .arg(kilograms.isEmpty() ? wholeNumber(run.weight)
                                         : risktest::weightAsWritten(kilograms, units))));
        qsizetype at = 0;
        for (int question = 0; question < risktest::QuestionCount; ++question) {
            at = lines.indexOf(risktest::questions()[question].text, at);
            QCOMPARE(lines.value(at + 1),
                     run.answers[question] + u' ' +
                         wholeNumber(risktest::answerPoints(question, run.answers[question])));
        }
        at = lines.indexOf(u"Weight limit for a height of %1: %2"_s.arg(
                               height, risktest::chartLimitText(units, heightRow)),
                           at);
        QCOMPARE(lines.value(at + 1), overLimit >= 0 ? u"At or above the limit "_s + wholeNumber(5)
                                                     : u"Below the limit "_s + wholeNumber(0));
        QCOMPARE(lines.value(at + 2), u"Total "_s + wholeNumber(total));
        QCOMPARE(lines.mid(lines.indexOf(u"Your Score is: "_s + wholeNumber(total)), 3),
                 (QStringList{taken.result.scoreLine, risktest::verdictFor(total),
                              u"P. S: Kindly consult your physician before taking any drastic "
                              u"steps."_s}));
        QStringList bands;
        for (const risktest::RiskBand &band : risktest::riskBands())
            bands << band.scores << band.verdict;
        QCOMPARE(lines.mid(lines.indexOf(bands.first()), 6), bands);
    }

    // Every paragraph and cell of the saved page reads back from the PDF with
    // every character in the order written, whatever its script: Devanagari
    // vowel signs drawn before their consonant, Arabic letters in their joined
    // forms, Chinese ideographs that share a glyph with a radical; and each
    // word whole, where words are parted by spaces. Right to left pdftotext
    // moves punctuation to the other end of a run of Arabic and digits, and
    // numbers that a mark parts ("٢٠٢٦، ٢:٠٥" reads "٢:٠٥ ،٢٠٢٦"), so there
    // the words are compared without punctuation, and not their order.
    void savedPage_readsBackAsThePageSays_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("name");
        QTest::newRow("english") << u"en_US"_s << QString() << u"Ann Lee"_s;
        QTest::newRow("spanish") << u"es_ES"_s << u"kelo_es"_s << u"Zoë Núñez"_s;
        QTest::newRow("french") << u"fr_FR"_s << u"kelo_fr"_s << u"Françoise Lefèvre"_s;
        QTest::newRow("portuguese") << u"pt_BR"_s << u"kelo_pt_BR"_s << u"João Conceição"_s;
        QTest::newRow("chinese") << u"zh_CN"_s << u"kelo_zh_CN"_s << u"王风"_s;
        QTest::newRow("hindi") << u"hi_IN"_s << u"kelo_hi"_s << u"क्षितिज किशोर"_s;
        QTest::newRow("arabic") << u"ar_EG"_s << u"kelo_ar"_s << u"سارة"_s;
    }

    void savedPage_readsBackAsThePageSays()
    {
        QFETCH(QString, locale);
        QFETCH(QString, translation);
        QFETCH(QString, name);
        const platform::Translators translators(
            translation.isEmpty() ? QString() : u":/i18n/%1.qm"_s.arg(translation));
        QLocale::setDefault(QLocale(locale));
        risktest::RiskTestRun run =
            risktest::startRun(3, 150, risktest::UnitSystem::Metric, u"68"_s);
        for (int question = 0; question < risktest::QuestionCount; ++question)
            run.answers[question] = risktest::questions()[question].options.last();
        const report::ResultRecord taken{name, run, risktest::calculateRisk(run),
                                         QDateTime(QDate(2026, 12, 8), QTime(14, 5))};
        const auto page = report::resultPage(taken, QLocale(locale), ui::resultPageLook());
        QTemporaryDir folder;
        const QString path = folder.filePath(u"result.pdf"_s);
        QCOMPARE(report::writeResultPdf(*page, path, QPageSize(QPageSize::A4),
                                        report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s)),
                 std::nullopt);
        const bool rightToLeft = QLocale(locale).textDirection() == Qt::RightToLeft;
        const QRegularExpression spaces(u"\\s+"_s, QRegularExpression::UseUnicodePropertiesOption);
        const QRegularExpression punctuation(u"\\p{P}"_s,
                                             QRegularExpression::UseUnicodePropertiesOption);
        const auto compared = [&](QString text) {
            return rightToLeft ? text.remove(punctuation) : text;
        };
        // pdftotext marks where right-to-left and embedded left-to-right runs
        // start and end.
        const QString saved = compared(
            support::pdfText(path).replace(QRegularExpression(u"[\\x{202a}-\\x{202e}]"_s), u" "_s));
        const QStringList savedWords = saved.split(spaces, Qt::SkipEmptyParts);
        QStringList missing;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            const QString shown = compared(block.text());
            if (!rightToLeft &&
                !QString(saved).remove(spaces).contains(QString(shown).remove(spaces)))
                missing << block.text();
            if (QLocale(locale).script() == QLocale::SimplifiedHanScript)
                continue;
            for (const QString &word : shown.split(spaces, Qt::SkipEmptyParts)) {
                if (!savedWords.contains(word))
                    missing << word;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n') + u"\n--- read back:\n"_s +
                                               support::pdfText(path)));
    }

    // Right to left the page reads from the right: its paragraphs, and each
    // row of its tables from the last cell. Arabic letters are shaped, so
    // that they join; Latin ones are not, so that no ligature is saved.
    void page_readsInItsLanguagesDirection_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("name");
        // A name in Latin letters reads left to right on any page.
        QTest::addColumn<bool>("nameRightToLeft");
        QTest::newRow("unitedStates") << u"en_US"_s << false << u"Ann Lee."_s << false;
        QTest::newRow("c") << u"C"_s << false << u"Ann"_s << false;
        QTest::newRow("egyptLatinName") << u"ar_EG"_s << true << u"Ann Lee (Jr.)."_s << false;
        QTest::newRow("arabicName") << u"ar"_s << true << u"سارة."_s << true;
    }

    void page_readsInItsLanguagesDirection()
    {
        QFETCH(QString, locale);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, name);
        QFETCH(bool, nameRightToLeft);
        risktest::RiskTestRun run = risktest::startRun(3, 150, risktest::UnitSystem::Imperial);
        for (int question = 0; question < risktest::QuestionCount; ++question)
            run.answers[question] = risktest::questions()[question].options[0];
        const report::ResultRecord taken{name, run, risktest::calculateRisk(run), {}};
        const auto page = report::resultPage(taken, QLocale(locale), ui::resultPageLook());
        const auto expected = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
        QCOMPARE(page->firstBlock().textDirection(), expected);
        QCOMPARE(page->lastBlock().textDirection(), expected);
        QList<QTextTable *> tables;
        for (QTextFrame *frame : page->rootFrame()->childFrames())
            tables << qobject_cast<QTextTable *>(frame);
        QCOMPARE(tables.size(), 2);
        const int first = rightToLeft ? 1 : 0;
        QCOMPARE(tables[0]->cellAt(0, first).firstCursorPosition().block().text(), u"Name:"_s);
        const QTextBlock nameBlock = tables[0]->cellAt(0, 1 - first).firstCursorPosition().block();
        QCOMPARE(nameBlock.text(), name);
        QCOMPARE(nameBlock.textDirection(), nameRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        const QTextBlock pointsBlock =
            tables[1]->cellAt(0, 1 - first).firstCursorPosition().block();
        QCOMPARE(pointsBlock.text(), u"Points"_s);
        // The name at its cell's start, the heading over the end of its column.
        page->setTextWidth(500);
        page->size();
        QCOMPARE_LT(gapTo(nameBlock, rightToLeft), 1);
        QCOMPARE_LT(gapTo(pointsBlock, !rightToLeft), 1);
        // The total in the page's own digits (Arabic-Indic in Egypt).
        QCOMPARE(tables[1]
                     ->cellAt(tables[1]->rows() - 1, 1 - first)
                     .firstCursorPosition()
                     .block()
                     .text(),
                 QLocale(locale).toString(taken.result.score));
        QCOMPARE(bool(page->defaultFont().styleStrategy() & QFont::PreferNoShaping), !rightToLeft);
    }
};

QTEST_MAIN(ResultPageTest)
#include "tst_resultpage.moc"
