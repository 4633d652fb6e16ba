#pragma once

#include <QtPlugin>

class QIODevice;
class QPageLayout;
class QPagedPaintDevice;
class QString;
class QTextDocument;
class QWidget;

// What the printing module offers the program. The module (src/printing/)
// implements it with Qt PrintSupport; the program reaches it only through
// this interface, once report::printPage has loaded the module, so that
// neither the program nor its library links Qt's printing support.
namespace report {

enum class PrintOutcome { Printed, Cancelled, Failed };

class ResultPrinter
{
public:
    virtual ~ResultPrinter() = default;

    // Asks where and how to print with the desktop's print dialog, owned by
    // `parent`; once the user accepts, prints `page` as printOnto does. The
    // page size is the printer's own (A4 or Letter, as the dialog left it).
    virtual PrintOutcome print(QWidget *parent, QTextDocument &page) = 0;

    // Prints `page` onto one page of the device's paper, asking nothing: the
    // page is laid out to the paper's width, and shrunk as a whole where it
    // would run longer than the paper. Failed when the device does not start
    // (a printer gone, a file that cannot be written). The page's layout is
    // left as it was. A printer that prints to a PDF file writes it as
    // writePdf does.
    virtual PrintOutcome printOnto(QPagedPaintDevice &device, QTextDocument &page) = 0;

    // Writes `page` into `file`, open for writing, as a PDF of one sheet of
    // the layout's paper, laid out as printOnto lays it out, with the
    // characters every glyph stands for: its text reads back, is found and
    // is read aloud as the page says it. False when the file did not take it.
    virtual bool writePdf(QTextDocument &page, QIODevice &file, const QPageLayout &paper,
                          const QString &title, const QString &creator) = 0;
};

} // namespace report

// Changes whenever the interface above does, so that the program refuses a
// module built against another version of it.
#define KELO_RESULT_PRINTER_IID "example.orvaneboard.KeloDiabetesRiskCalculator.ResultPrinter/2"
Q_DECLARE_INTERFACE(report::ResultPrinter, KELO_RESULT_PRINTER_IID)
