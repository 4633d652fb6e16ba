#include "FileDialog.h"

#include "MessageBox.h"

#include <QFileDialog>

namespace platform {
namespace {

QString showRealDialog(const SaveFileRequest &request)
{
    // Made by hand rather than through getSaveFileName, which takes no
    // default suffix: the dialog adds it itself, so that its question about
    // replacing a file is asked about the name that will be written.
    QFileDialog dialog(request.parent, request.caption, request.startPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    centreRightToLeftButtonTexts(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

SaveFileDialogSeam &saveFileDialogSeam()
{
    static SaveFileDialogSeam seam(showRealDialog);
    return seam;
}

QString askSaveFileName(const SaveFileRequest &request)
{
    SaveFileRequest owned = request;
    owned.parent = ownerWindow(request.parent);
    return saveFileDialogSeam()(owned);
}

} // namespace platform
