#include "PdfFile.h"

#include "AppConstants.h"
#include "OnePage.h"
#include "PrintingModule.h"
#include "ResultPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

namespace report {
namespace {

Q_LOGGING_CATEGORY(lcPdfFile, "kelo.pdf", QtWarningMsg)

struct PdfFile
{
    Q_DECLARE_TR_FUNCTIONS(PdfFile)
};

// Qt's own writer, where the printing module cannot be loaded.
bool writeWithQt(QTextDocument &page, QIODevice &file, const QPageLayout &paper,
                 const QString &title, const QString &creator)
{
    QPdfWriter writer(&file);
    writer.setPageLayout(paper);
    writer.setTitle(title);
    writer.setCreator(creator);
    return printOnOnePage(page, writer);
}

} // namespace

QString suggestedPdfPath(QDate day)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    //: The file name the result is first offered under; %1 is the date, 2024-05-31.
    return folder + u'/' +
           PdfFile::tr("Diabetes risk result %1.pdf").arg(day.toString(Qt::ISODate));
}

QString withPdfSuffix(const QString &path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (path.endsWith(u'.') ? u"pdf"_s : u".pdf"_s);
}

std::optional<QString> writeResultPdf(QTextDocument &page, const QString &path,
                                      const QPageSize &paper)
{
    return writeResultPdf(page, path, paper,
                          printingModulePaths(QCoreApplication::applicationDirPath()));
}

std::optional<QString> writeResultPdf(QTextDocument &page, const QString &path,
                                      const QPageSize &paper, const QStringList &modulePaths)
{
    // QSaveFile refuses a folder as well, but says "Filename refers to a
    // directory".
    if (QFileInfo(path).isDir())
        return PdfFile::tr("A folder of that name is in the way.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QPageLayout layout(paper, QPageLayout::Portrait, PageMargins, QPageLayout::Millimeter);
    const PrinterLookup module = loadResultPrinter(modulePaths);
    if (!module.printer)
        qCWarning(lcPdfFile) << "Saving with Qt's PDF writer:" << module.problem;
    const QString title = PdfFile::tr("Diabetes Risk Test Result");
    const QString creator = app::WindowCaption.toString();
    const bool written = module.printer
                             ? module.printer->writePdf(page, file, layout, title, creator)
                             : writeWithQt(page, file, layout, title, creator);
    // A device that does not finish leaves no file.
    if (!written)
        file.cancelWriting();
    // A failed write is remembered and makes the commit fail, which then
    // removes the temporary file.
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace report
