#pragma once

#include <QString>

#include "Seam.h"

#include <utility>

class QWidget;

// Every message the program shows goes through here: a modal box with the
// application title as its caption. Tests put a fake in place of the real box.
namespace platform {

enum class MessageIcon { Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest
{
    QWidget *parent = nullptr;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
};

// Shows the box and waits for the answer. With Yes and No, Yes is the
// default button. A "\n" in the text starts a new line.
MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok);

using MessageBoxSeam = Seam<MessageAnswer(const MessageRequest &)>;
MessageBoxSeam &messageBoxSeam();

// Replaces the real box for as long as it lives. Meant for tests.
class ScopedMessageBoxHandler final : public MessageBoxSeam::Override
{
public:
    explicit ScopedMessageBoxHandler(MessageBoxSeam::Function handler)
        : Override(messageBoxSeam(), std::move(handler))
    {}
};

} // namespace platform
