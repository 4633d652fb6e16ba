#pragma once

#include <QString>

#include "Seam.h"

#include <utility>

class QWidget;

// Every message the program shows goes through here: a modal box with the
// application title as its caption, owned by the program's window the user is
// working in, so that it stacks above that window (the always-on-top exit
// screen included) and is centred over it. Tests put a fake in place of the
// real box.
namespace platform {

enum class MessageIcon { Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest
{
    // The window that owns the box; none only while no window is shown.
    QWidget *parent = nullptr;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
};

// Shows the box and waits for the answer. With Yes and No, Yes is the
// default button. A "\n" in the text starts a new line. Without a parent the
// box goes to the window the user is working in (see ownerWindow).
MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok);

// The window a box raised from `requested` belongs to: the top-level window of
// `requested` if given; else the active modal window, the active window, or
// the topmost of the program's visible windows (the always-on-top ones come
// first); none while no window is shown, and the box is then centred on the
// screen and kept above every window, as the exit screen is.
QWidget *ownerWindow(QWidget *requested);

// Qt 6.4 draws a right-to-left text on a button with an icon against the
// button's far edge, away from its icon, on either side. The buttons of
// `dialog` with such a text show it alone, centred, as they do where the
// desktop gives dialog buttons no icons. Seen with Qt 6.4, so it does
// nothing from Qt 6.5 on: check a newer Qt before the fence moves.
void centreRightToLeftButtonTexts(QWidget *dialog);

// The width a message box needs for its whole caption in the title bar, next
// to the window icon and the title bar's buttons.
int captionWidth(const QString &caption);

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
