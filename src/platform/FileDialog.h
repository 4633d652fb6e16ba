#pragma once

#include "Seam.h"

#include <QString>

#include <utility>

class QWidget;

// Asking the user where to save a file: the desktop's save dialog, modal and
// owned by the window the user is working in. Tests put a fake in its place
// that answers at once.
namespace platform {

struct SaveFileRequest
{
    // The window that owns the dialog.
    QWidget *parent = nullptr;
    QString caption;
    // The folder and file name the dialog starts at.
    QString startPath;
    // Qt's filter notation, e.g. "PDF files (*.pdf)".
    QString filter;
    // Added to a name the user types without a suffix, before the dialog
    // asks whether to replace an existing file; no dot.
    QString defaultSuffix;
};

// The path chosen, or an empty string when the user cancels. The dialog asks
// before it gives the name of a file that exists.
QString askSaveFileName(const SaveFileRequest &request);

using SaveFileDialogSeam = Seam<QString(const SaveFileRequest &)>;
SaveFileDialogSeam &saveFileDialogSeam();

// Replaces the real dialog for as long as it lives. Meant for tests.
class ScopedSaveFileDialog final : public SaveFileDialogSeam::Override
{
public:
    explicit ScopedSaveFileDialog(SaveFileDialogSeam::Function answer)
        : Override(saveFileDialogSeam(), std::move(answer))
    {}
};

} // namespace platform
