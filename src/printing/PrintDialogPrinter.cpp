#include "PrintDialogPrinter.h"

#include "report/OnePage.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace printing {

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
    return report::printOnOnePage(page, device) ? report::PrintOutcome::Printed
                                                : report::PrintOutcome::Failed;
}

} // namespace printing
