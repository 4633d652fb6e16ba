#pragma once

#include "ResultPrinter.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;
class QWidget;

// Printing through the printing module, which is loaded with QPluginLoader the
// first time the user prints and stays loaded: the program starts without Qt
// PrintSupport and everything it brings in. A module that is missing or
// broken costs the user a message, never the program.
namespace report {

// Where the program looks for the printing module, the first file found
// winning: beside the executable in `programDir` (a build tree), then in the
// program's private folder of an installation.
QStringList printingModulePaths(const QString &programDir);

// The module's printer, or why there is none (to show to the user).
struct PrinterLookup
{
    ResultPrinter *printer = nullptr;
    QString problem;
};

// Loads the first of `modulePaths` that exists (at once, when it is loaded
// already) and asks it for its printer. Shows nothing.
PrinterLookup loadResultPrinter(const QStringList &modulePaths);

// Prints `page` with the print dialog, owned by `parent`, from the module in
// its usual places (printingModulePaths of the executable's folder) or in
// `modulePaths`. Nothing when printed or cancelled; without a working module,
// or when the printer fails, why (to show to the user).
std::optional<QString> printPage(QWidget *parent, QTextDocument &page);
std::optional<QString> printPage(QWidget *parent, QTextDocument &page,
                                 const QStringList &modulePaths);

} // namespace report
