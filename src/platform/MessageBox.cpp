#include "MessageBox.h"

#include "AppConstants.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

MessageAnswer showRealBox(const MessageRequest &request)
{
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(request.icon == MessageIcon::Critical ? QMessageBox::Critical
                                                          : QMessageBox::Information,
                    app::ApplicationTitle.toString(), request.text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, request.parent);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageBoxSeam &messageBoxSeam()
{
    static MessageBoxSeam seam(showRealBox);
    return seam;
}

MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons)
{
    return messageBoxSeam()(MessageRequest{parent, text, icon, buttons});
}

} // namespace platform
