#include "report/Printing.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "support/Recorders.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// What a poppler tool (pdfinfo, pdftotext) prints for `arguments`.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), qPrintable(process.errorString()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printer of the module the program would load; ends the run without one.
report::ResultPrinter &moduleBesideTheProgram()
{
    const auto lookup =
        report::loadResultPrinter(report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s));
    if (!lookup.printer)
        qFatal("%s", qPrintable(lookup.problem));
    return *lookup.printer;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void module_foundWhereTheProgramLooks()
    {
        const auto lookup =
            report::loadResultPrinter(report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s));
        QVERIFY2(lookup.printer, qPrintable(lookup.problem));
    }

    void printOnto_onePageOfThePrintersPaper_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("paperName");
        QTest::newRow("a4") << QPageSize::A4 << 3 << u"(A4)"_s;
        QTest::newRow("letter") << QPageSize::Letter << 3 << u"(letter)"_s;
        QTest::newRow("a4_threeSheetsLong") << QPageSize::A4 << 150 << u"(A4)"_s;
    }

    void printOnto_onePageOfThePrintersPaper()
    {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(int, lines);
        QFETCH(QString, paperName);
        QStringList text;
        for (int line = 1; line <= lines; ++line)
            text << u"Line %1 of the result"_s.arg(line);
        QTextDocument page(text.join(u'\n'));
        page.setTextWidth(300);
        const QSizeF shownSize = page.size();
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"result.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(paper));

        QCOMPARE(moduleBesideTheProgram().printOnto(printer, page), report::PrintOutcome::Printed);
        const QString info = poppler(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(
                     QRegularExpression(u"^Pages: +1$"_s, QRegularExpression::MultilineOption)),
                 qPrintable(info));
        QVERIFY2(info.contains(paperName), qPrintable(info));
        // Every line is on the page, the last one too.
        const QString printed = poppler(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY2(printed.contains(text.first()) && printed.contains(text.last()),
                 qPrintable(printed));
        QCOMPARE(page.size(), shownSize);
    }

    void printOnto_printerThatDoesNotStart_fails()
    {
        QTextDocument page(u"Result"_s);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(u"/nonexistent-folder/result.pdf"_s);
        QCOMPARE(moduleBesideTheProgram().printOnto(printer, page), report::PrintOutcome::Failed);
    }

    void printPage_printDialogOwnedByTheWindow_cancelPrintsNothing()
    {
        MessageRecorder messages;
        QWidget window;
        window.show();
        QTextDocument page(u"Result"_s);
        bool printDialog = false;
        const QWidget *owner = nullptr;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &window, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                printDialog = qobject_cast<QPrintDialog *>(dialog) != nullptr;
                owner = dialog->parentWidget();
                dialog->reject();
            }
        });
        poll.start(10);
        QCOMPARE(report::printPage(&window, page,
                                   report::printingModulePaths(u"" KELO_PROGRAM_DIR ""_s)),
                 report::PrintOutcome::Cancelled);
        QVERIFY(printDialog);
        QCOMPARE(owner, &window);
        QVERIFY(messages.requests.empty());
    }

    void printPage_withoutWorkingModule_saysWhy_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("missing") << u"/nonexistent-folder/libkelo_printing.so"_s;
        QTest::newRow("notALibrary") << u"notALibrary"_s;
        QTest::newRow("anotherQtPlugin")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platforms/libqoffscreen.so"_s;
    }

    void printPage_withoutWorkingModule_saysWhy()
    {
        QFETCH(QString, module);
        QTemporaryDir folder;
        if (!module.startsWith(u'/')) {
            module = folder.filePath(u"libkelo_printing.so"_s);
            QFile junk(module);
            QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a library") > 0);
        }
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
