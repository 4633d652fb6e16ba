#pragma once

#include <QString>

#include <functional>

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

using MessageBoxHandler = std::function<MessageAnswer(const MessageRequest &)>;

// Replaces the real box for as long as it lives, then puts back whatever was
// there before. Meant for tests.
class ScopedMessageBoxHandler final
{
public:
    explicit ScopedMessageBoxHandler(MessageBoxHandler handler);
    ~ScopedMessageBoxHandler();
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler &) = delete;
    ScopedMessageBoxHandler &operator=(const ScopedMessageBoxHandler &) = delete;

private:
    MessageBoxHandler m_previous;
};

} // namespace platform
