#include "PrintDialogPrinter.h"

#include "CairoPdfPage.h"
#include "report/OnePage.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace printing {
namespace {

// The printer, where it prints into a PDF file rather than to a printer (the
// print dialog's "Print to File"); else none.
QPrinter *pdfFilePrinter(QPagedPaintDevice &device)
{
    auto *printer = dynamic_cast<QPrinter *>(&device);
    if (!printer || printer->outputFormat() != QPrinter::PdfFormat ||
        printer->outputFileName().isEmpty())
        return nullptr;
    return printer;
}

} // namespace

report::PrintOutcome PrintDialogPrinter::print(QWidget *parent, QTextDocument &page)
{
    // At the printer's own resolution; the paper size is the one the
    // printer (or, for a PDF file, the locale) suggests, as the user leaves
    // it in the dialog.
    QPrinter printer(QPrinter::HighResolution);
    // Names the job in the print queue and the file a PDF printer suggests.
    printer.setDocName(page.metaInformation(QTextDocument::DocumentTitle));
    // The margins of the page saved as PDF, which the dialog may change.
    report::setPageMargins(printer);
    QPrintDialog dialog(&printer, parent);
    // There is one page, so no range of pages to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return report::PrintOutcome::Cancelled;
    return printOnto(printer, page);
}

report::PrintOutcome PrintDialogPrinter::printOnto(QPagedPaintDevice &device, QTextDocument &page)
{
    if (QPrinter *printer = pdfFilePrinter(device)) {
        QFile file(printer->outputFileName());
        const bool written =
            file.open(QIODevice::WriteOnly) &&
            writePdf(page, file, printer->pageLayout(),
                     page.metaInformation(QTextDocument::DocumentTitle), printer->creator());
        return written ? report::PrintOutcome::Printed : report::PrintOutcome::Failed;
    }
    return report::printOnOnePage(page, device) ? report::PrintOutcome::Printed
                                                : report::PrintOutcome::Failed;
}

bool PrintDialogPrinter::writePdf(QTextDocument &page, QIODevice &file, const QPageLayout &paper,
                                  const QString &title, const QString &creator)
{
    CairoPdfPage pdf(file, paper);
    pdf.setTitle(title);
    pdf.setCreator(creator);
    const bool drawn = report::printOnOnePage(page, pdf);
    return pdf.finish() && drawn;
}

} // namespace printing
