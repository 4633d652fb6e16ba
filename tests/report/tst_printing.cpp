#include "report/Printing.h"

#include <QLibraryInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "support/Recorders.h"

using namespace Qt::Literals::StringLiterals;

class PrintingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printOnto_onePageOfThePrintersPaper_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("paperName");
        QTest::newRow("letter") << QPageSize::Letter << 3 << u"(letter)"_s;
        QTest::newRow("a4_threeSheetsLong") << QPageSize::A4 << 150 << u"(A4)"_s;
    }

    void printOnto_onePageOfThePrintersPaper()
    {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(int, lines);
        QFETCH(QString, paperName);
        const auto module =
            report::loadResultPrinter(report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s));
        QVERIFY2(module.printer, qPrintable(module.problem));
        QStringList text;
        for (int line = 1; line <= lines; ++line)
            text << u"Line %1 of the result"_s.arg(line);
        QTextDocument page(text.join(u'\n'));
        page.setTextWidth(300);
        const QSizeF shownSize = page.size();
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(folder.filePath(u"result.pdf"_s));
        printer.setPageSize(QPageSize(paper));
        QCOMPARE(module.printer->printOnto(printer, page), report::PrintOutcome::Printed);
        const auto poppler = [](const QString &tool, const QStringList &arguments) {
            QProcess process;
            process.start(tool, arguments);
            process.waitForFinished();
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QString info = poppler(u"pdfinfo"_s, {printer.outputFileName()});
        QVERIFY2(info.contains(QRegularExpression(u"Pages: +1\n"_s)) && info.contains(paperName),
                 qPrintable(info));
        const QString printed = poppler(u"pdftotext"_s, {printer.outputFileName(), u"-"_s});
        QVERIFY2(printed.contains(text.first()) && printed.contains(text.last()),
                 qPrintable(printed));
        QCOMPARE(page.size(), shownSize);
    }

    void printPage_withoutWorkingModule_saysWhy_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("missing") << u"/nonexistent-folder/libkelo_printing.so"_s;
        QTest::newRow("notALibrary") << QFINDTESTDATA("tst_printing.cpp");
        QTest::newRow("anotherQtPlugin")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platforms/libqoffscreen.so"_s;
    }

    void printPage_withoutWorkingModule_saysWhy()
    {
        QFETCH(QString, module);
        MessageRecorder messages;
        QWidget window;
        QTextDocument page(u"Result"_s);

        QCOMPARE(report::printPage(&window, page, {module}), report::PrintOutcome::Failed);
        QCOMPARE(messages.requests.size(), 1u);
        QCOMPARE(messages.requests[0].icon, platform::MessageIcon::Critical);
        QCOMPARE(messages.requests[0].parent, &window);
        QVERIFY2(messages.requests[0].text.contains(module), qPrintable(messages.requests[0].text));
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
