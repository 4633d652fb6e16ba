#pragma once

#include "report/ResultPrinter.h"

#include <QObject>

// The printing module's one object, which the program gets from
// QPluginLoader::instance() and reaches through report::ResultPrinter.
namespace printing {

class PrintDialogPrinter final : public QObject, public report::ResultPrinter
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KELO_RESULT_PRINTER_IID)
    Q_INTERFACES(report::ResultPrinter)

public:
    report::PrintOutcome print(QWidget *parent, QTextDocument &page) override;
    report::PrintOutcome printOnto(QPagedPaintDevice &device, QTextDocument &page) override;
    bool writePdf(QTextDocument &page, QIODevice &file, const QPageLayout &paper,
                  const QString &title, const QString &creator) override;
};

} // namespace printing
