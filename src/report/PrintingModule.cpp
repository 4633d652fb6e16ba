#include "PrintingModule.h"

#include "AppConstants.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <algorithm>

namespace report {
namespace {

// One path a line.
QString shownPaths(const QStringList &paths)
{
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    return shown.join(u'\n');
}

} // namespace

QStringList printingModulePaths(const QString &programDir)
{
    const QDir folder(programDir);
    const QString file = app::PrintingModuleFile.toString();
    const QDir installed(folder.filePath(app::PrintingModuleInstalledDir.toString()));
    return {folder.filePath(file), QDir::cleanPath(installed.filePath(file))};
}

PrinterLookup loadResultPrinter(const QStringList &modulePaths)
{
    const auto found = std::find_if(modulePaths.begin(), modulePaths.end(),
                                    [](const QString &path) { return QFileInfo::exists(path); });
    if (found == modulePaths.end()) {
        return {nullptr,
                QCoreApplication::translate(
                    "Printing", "Printing is not available: its module was not found at:\n%1")
                    .arg(shownPaths(modulePaths))};
    }
    // A loader left behind keeps its module loaded; the next one for the same
    // file finds it loaded and gets the same object.
    QPluginLoader loader(*found);
    QObject *module = loader.instance();
    if (!module) {
        return {nullptr,
                QCoreApplication::translate(
                    "Printing", "Printing is not available: its module could not be loaded.\n%1")
                    .arg(loader.errorString())};
    }
    auto *printer = qobject_cast<ResultPrinter *>(module);
    if (!printer) {
        return {nullptr, QCoreApplication::translate(
                             "Printing",
                             "Printing is not available: %1 is not this program's printing module.")
                             .arg(QDir::toNativeSeparators(*found))};
    }
    return {printer, {}};
}

std::optional<QString> printPage(QWidget *parent, QTextDocument &page)
{
    return printPage(parent, page, printingModulePaths(QCoreApplication::applicationDirPath()));
}

std::optional<QString> printPage(QWidget *parent, QTextDocument &page,
                                 const QStringList &modulePaths)
{
    const PrinterLookup lookup = loadResultPrinter(modulePaths);
    if (!lookup.printer)
        return lookup.problem;
    if (lookup.printer->print(parent, page) == PrintOutcome::Failed) {
        return QCoreApplication::translate("Printing",
                                           "The result could not be printed: the printer did not "
                                           "start or did not finish the page.");
    }
    return std::nullopt;
}

} // namespace report
