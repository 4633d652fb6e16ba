#include "MessageBox.h"

#include "AppConstants.h"

#include <QMessageBox>

#include <utility>

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

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler = showRealBox;
    return handler;
}

} // namespace

MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons)
{
    return currentHandler()(MessageRequest{parent, text, icon, buttons});
}

ScopedMessageBoxHandler::ScopedMessageBoxHandler(MessageBoxHandler handler)
    : m_previous(std::exchange(currentHandler(), std::move(handler)))
{}

ScopedMessageBoxHandler::~ScopedMessageBoxHandler()
{
    currentHandler() = std::move(m_previous);
}

} // namespace platform
