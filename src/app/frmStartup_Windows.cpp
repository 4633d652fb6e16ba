// The controller's windows: loading each when first needed, connecting it,
// the road from the main window to the exit screen, and the quit routine.

#include "frmStartup.h"

#include "platform/InstanceGuard.h"
#include "platform/ProcessEnd.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <exception>

frmStartup::~frmStartup()
{
    // Unloaded windows still waiting for the event loop go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forgetUnloaded();
    // Newest first: a window may refer to one loaded before it.
    for (auto form = m_loaded.rbegin(); form != m_loaded.rend(); ++form) {
        if (form->get() != this)
            delete form->get();
    }
}

frmMain &frmStartup::mainWindow()
{
    if (!isLoaded(m_mainWindow.get())) {
        m_mainWindow = new frmMain;
        m_mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_mainWindow, &frmMain::unloading, this, &frmStartup::RunShutdownSequence);
        m_loaded.emplace_back(m_mainWindow.get());
    }
    return *m_mainWindow;
}

frmExitScreen &frmStartup::exitScreen()
{
    if (!isLoaded(m_exitScreen.get())) {
        m_exitScreen = new frmExitScreen(IMGIcon());
        m_exitScreen->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_exitScreen, &frmExitScreen::quitRequested, this, &frmStartup::QuitProgram);
        m_loaded.emplace_back(m_exitScreen.get());
    }
    return *m_exitScreen;
}

void frmStartup::RunShutdownSequence()
{
    if (m_unloadingForms)
        return;
    frmExitScreen &screen = exitScreen();
    screen.show();
    screen.raise();
    screen.activateWindow();
    // The controller is no window, so there is nothing to hide; the main
    // window goes once this returns.
}

void frmStartup::forgetUnloaded()
{
    std::erase_if(m_loaded, [](const QPointer<QObject> &form) { return form.isNull(); });
}

QList<QPointer<QObject>> frmStartup::loadedForms()
{
    forgetUnloaded();
    return {m_loaded.begin(), m_loaded.end()};
}

bool frmStartup::isLoaded(const QObject *form)
{
    // An unloaded window may wait for its destruction; it counts as gone.
    forgetUnloaded();
    return form && std::any_of(m_loaded.begin(), m_loaded.end(),
                               [form](const QPointer<QObject> &loaded) { return loaded == form; });
}

void frmStartup::unload(QObject *form)
{
    if (!isLoaded(form))
        return;
    std::erase(m_loaded, QPointer<QObject>(form));
    if (form == this) {
        Form_Unload();
        return;
    }
    if (auto *window = qobject_cast<QWidget *>(form))
        window->close();
    form->deleteLater();
}

void frmStartup::QuitProgram()
{
    if (!m_unloadingForms) {
        m_unloadingForms = true;
        for (const QPointer<QObject> &form : loadedForms()) {
            // A form that fails to unload is passed over; the rest still go.
            try {
                unload(form.get());
            } catch (const std::exception &) {
            }
        }
        m_unloadingForms = false;
    }
    platform::EndProcess();
}
