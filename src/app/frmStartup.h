#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class InstanceGuard;
class frmExitScreen;
class frmMain;

// The start-up controller: loaded first and never shown. Its load handler is
// the start-up sequence (single-instance guard, seeding the random generator,
// the update reminder, the main window, the choice of the offer in front).
// It owns the application icon, the instance lock and the program's windows:
// it creates each window when it is first needed (and afresh after it was
// unloaded) and connects it here, in plain sight. Unloading the main window
// shows the exit screen; closing the exit screen or unloading the controller
// runs QuitProgram, which unloads every loaded form and ends the process.
class frmStartup final : public QObject
{
    Q_OBJECT

public:
    frmStartup();
    // Destroys the windows still there, newest first, without running any
    // handler: what remains after the event loop has ended.
    ~frmStartup() override;

    void Form_Load();

    // The application icon, 32 x 32; the exit screen takes its icon here.
    QIcon IMGIcon() const { return m_icon; }

    // Draws which offer of the main window is in front.
    void CoBrand_Randomize();

    // The last co-brand draw, 1 to 7; 0 before the first.
    qint16 intCoBrandRandomNumber = 0;

    // The windows, loaded when first referred to.
    frmMain &mainWindow();
    frmExitScreen &exitScreen();

    // The loaded forms, the controller among them, in the order they were
    // loaded: the order the quit routine unloads them in.
    QList<QPointer<QObject>> loadedForms();
    bool isLoaded(const QObject *form);

    // Unloads a form: its unload handler runs (a window closes), then a
    // window is destroyed once control is back in the event loop, never
    // inside its own handler.
    void unload(QObject *form);

    // Ends the program: unloads every loaded form, running each one's unload
    // handler, then ends the process. Handlers may call it again while it
    // runs; such a nested call goes straight to ending the process.
    void QuitProgram();

    // True while QuitProgram is unloading the forms: unload handlers then
    // start nothing new.
    bool quitInProgress() const { return m_unloadingForms; }

private:
    void Form_Unload();
    // The main window's unload handler: the exit screen takes its place.
    void RunShutdownSequence();

    void forgetUnloaded();

    QIcon m_icon;
    std::unique_ptr<InstanceGuard> m_instanceGuard;
    QPointer<frmMain> m_mainWindow;
    QPointer<frmExitScreen> m_exitScreen;
    std::vector<QPointer<QObject>> m_loaded;
    bool m_unloadingForms = false;
};
