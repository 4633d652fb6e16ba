#include "report/OnePage.h"
#include "report/PdfFile.h"
#include "report/PrintingModule.h"
#include "report/ResultPage.h"
#include "ui/look/ResultPageLook.h"

#include <QLibraryInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "support/Poppler.h"
#include "support/Recorders.h"

using namespace Qt::Literals::StringLiterals;

class PrintingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The result page printed through the module to a PDF printer and saved
    // as PDF: the same sheets with the same text.
    void printOnto_givesThePagesSaveAsPdfGives_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QString>("paperName");
        QTest::newRow("shortOnLetter") << u"Ann"_s << QPageSize::Letter << u"(letter)"_s;
        QTest::newRow("longNameOnA4") << u"Ann Lee "_s.repeated(300) << QPageSize::A4 << u"(A4)"_s;
    }

    void printOnto_givesThePagesSaveAsPdfGives()
    {
        QFETCH(QString, name);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QString, paperName);
        const auto module =
            report::loadResultPrinter(report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s));
        QVERIFY2(module.printer, qPrintable(module.problem));
        risktest::RiskTestRun run = risktest::startRun(3, 150);
        for (int question = 0; question < risktest::QuestionCount; ++question)
            run.answers[question] = risktest::questions()[question].options.first();
        const report::ResultRecord taken{name, run, risktest::calculateRisk(run),
                                         QDateTime(QDate(2024, 2, 29), QTime(14, 5))};
        QTemporaryDir folder;
        const QString saved = folder.filePath(u"saved.pdf"_s);
        const std::unique_ptr<QTextDocument> page =
            report::resultPage(taken, QLocale::c(), ui::resultPageLook());
        QCOMPARE(report::writeResultPdf(*page, saved, QPageSize(paper),
                                        report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s)),
                 std::nullopt);
        page->setTextWidth(300);
        const QSizeF shownSize = page->size();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(u"printed.pdf"_s));
        printer.setPageSize(QPageSize(paper));
        report::setPageMargins(printer); // as the print dialog is given it

        QCOMPARE(module.printer->printOnto(printer, *page), report::PrintOutcome::Printed);

        const QString printed = printer.outputFileName();
        QVERIFY2(support::pdfInfo(printed).contains(paperName),
                 qPrintable(support::pdfInfo(printed)));
        QCOMPARE(support::pdfPageCount(printed), 1);
        QCOMPARE(support::pdfPageCount(saved), 1);
        const QString text = support::pdfText(printed, {u"-layout"_s});
        QVERIFY2(text.contains(name.simplified().left(80)), qPrintable(text));
        QCOMPARE(text, support::pdfText(saved, {u"-layout"_s}));
        // The page is left laid out as it was shown.
        QCOMPARE(page->size(), shownSize);
    }

    void printPage_withoutWorkingModule_tellsWhy_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("missing") << u"/nonexistent-folder/libkelo_printing.so"_s;
        QTest::newRow("notALibrary") << QFINDTESTDATA("tst_printing.cpp");
        QTest::newRow("anotherQtPlugin")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platforms/libqoffscreen.so"_s;
    }

    void printPage_withoutWorkingModule_tellsWhy()
    {
        QFETCH(QString, module);
        MessageRecorder messages;
        QWidget window;
        QTextDocument page(u"Result"_s);

        const std::optional<QString> problem = report::printPage(&window, page, {module});
        QVERIFY(problem);
        QVERIFY2(problem->contains(module), qPrintable(*problem));
        // The window that asked shows it.
        QVERIFY(messages.requests.empty());
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
