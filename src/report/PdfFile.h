#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;

// Saving the result page as a PDF file. The file is written whole or not at
// all: it goes to a temporary file beside the target, which takes the
// target's name only once everything is written, so that no half-written
// file is ever left and a file already there stays as it was on a failure.
// Whether to replace an existing file is asked before, by the save dialog.
namespace report {

// Where the save dialog starts: "Diabetes risk result YYYY-MM-DD.pdf" in the
// user's documents folder, or in the home folder where there is no documents
// folder.
QString suggestedPdfPath(QDate day);

// The path with ".pdf" added when its file name has no suffix.
QString withPdfSuffix(const QString &path);

// Writes the result page (resultPage) to path on paper of the given size, on
// one sheet; nothing, or why it could not. The file is written by the
// printing module (printingModulePaths of the executable's folder, or
// `modulePaths`), so that its text reads back as the page says it; without
// the module, by Qt, whose file looks the same but whose text in Devanagari,
// Arabic and some Chinese reads back garbled.
std::optional<QString> writeResultPdf(QTextDocument &page, const QString &path,
                                      const QPageSize &paper);
std::optional<QString> writeResultPdf(QTextDocument &page, const QString &path,
                                      const QPageSize &paper, const QStringList &modulePaths);

} // namespace report
