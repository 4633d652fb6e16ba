#include "ShutdownSequence.h"

#include "Forms.h"
#include "QuitProgram.h"
#include "ui/exit/frmExitScreen.h"

namespace app {

void RunShutdownSequence()
{
    if (app::QuitInProgress())
        return;
    frmExitScreen &exitScreen = forms::ExitScreen();
    exitScreen.show();
    exitScreen.raise();
    exitScreen.activateWindow();
    // The start-up controller is no window, so there is nothing to hide; the
    // main window goes once this returns.
}

} // namespace app
