#pragma once

#include <QByteArray>
#include <QStringList>

// Which windowing system the program asks Qt for. Natively on Wayland a
// program can neither centre its windows nor keep the exit screen on top;
// through an X server (Xwayland on a Wayland desktop) both work. So where an
// X server is reachable the program prefers it, with Wayland as the fallback.
// A platform the user chose (QT_QPA_PLATFORM, -platform) always wins.
namespace app {

struct PlatformSituation
{
    QStringList arguments;          // the command line, program first
    QByteArray platformVariable;    // QT_QPA_PLATFORM
    QByteArray display;             // DISPLAY
};

// The platform list for QT_QPA_PLATFORM, or empty to leave Qt's own choice.
QByteArray preferredPlatform(const PlatformSituation &situation);

} // namespace app
