#pragma once

#include "ui/UserLocale.h"

#include <QIcon>
#include <QObject>

#include <memory>

class frmExitScreen;
class frmMain;
namespace platform {
class InstanceGuard;
}

// The start-up controller: made first and never shown. Form_Load is the
// start-up sequence (single-instance guard, seeding the random generator, the
// update reminder, the main window, the choice of the offer in front). It owns
// the application icon, the instance lock and the program's two windows,
// makes each when it is first needed and connects it here, in plain sight.
// Closing the main window shows the exit screen; closing the exit screen (or
// its Exit button) runs QuitProgram, which closes the windows and ends the
// process. The windows are made in the user's locale as main() decided it.
class frmStartup final : public QObject
{
    Q_OBJECT

public:
    explicit frmStartup(const ui::UserLocale &locale = {});
    ~frmStartup() override;

    void Form_Load();

    // The application icon, 32 x 32; the exit screen takes its icon here.
    QIcon IMGIcon() const { return m_icon; }

    // Draws which offer of the main window is in front.
    void CoBrand_Randomize();

    // The last co-brand draw, 1 to 7; 0 before the first.
    qint16 intCoBrandRandomNumber = 0;

    // The windows, made when first needed.
    frmMain &mainWindow();
    frmExitScreen &exitScreen();

    // Ends the program: closes the main window, then the exit screen, and
    // ends the process. It runs once: the windows' own closing, which would
    // ask for it again, then changes nothing.
    void QuitProgram();

private:
    // The main window is closing: the exit screen takes its place.
    void RunShutdownSequence();

    QIcon m_icon;
    const ui::UserLocale m_locale;
    std::unique_ptr<platform::InstanceGuard> m_instanceGuard;
    std::unique_ptr<frmMain> m_mainWindow;
    std::unique_ptr<frmExitScreen> m_exitScreen;
    bool m_quitting = false;
};
