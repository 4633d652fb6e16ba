#include "Forms.h"

#include "QuitProgram.h"
#include "ShutdownSequence.h"
#include "frmStartup.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <vector>

namespace forms {
namespace {

std::vector<QPointer<QObject>> &registry()
{
    static std::vector<QPointer<QObject>> loaded;
    return loaded;
}

bool registered(const QObject *form)
{
    return std::any_of(registry().begin(), registry().end(),
                       [form](const QPointer<QObject> &loaded) { return loaded == form; });
}

bool loaded(const QObject *form)
{
    // An unloaded form may wait for its destruction; it counts as gone.
    return form && registered(form);
}

template <typename Form, typename Create> Form &load(QPointer<Form> &instance, Create create)
{
    if (!loaded(instance.get())) {
        instance = create();
        registry().emplace_back(instance.get());
    }
    return *instance;
}

void forgetUnloaded()
{
    std::erase_if(registry(), [](const QPointer<QObject> &form) { return form.isNull(); });
}

} // namespace

frmStartup &Startup()
{
    static QPointer<frmStartup> instance;
    return load(instance, [] { return new frmStartup; });
}

frmMain &Main()
{
    static QPointer<frmMain> instance;
    return load(instance, [] {
        auto *form = new frmMain;
        form->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(form, &frmMain::unloading, form, &app::RunShutdownSequence);
        return form;
    });
}

frmExitScreen &ExitScreen()
{
    static QPointer<frmExitScreen> instance;
    return load(instance, [] {
        auto *form = new frmExitScreen(Startup().IMGIcon());
        form->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(form, &frmExitScreen::quitRequested, form, &app::QuitProgram);
        return form;
    });
}

QList<QPointer<QObject>> Loaded()
{
    forgetUnloaded();
    return {registry().begin(), registry().end()};
}

bool IsLoaded(const QObject *form)
{
    forgetUnloaded();
    return loaded(form);
}

void Unload(QObject *form)
{
    if (!form)
        return;
    std::erase(registry(), QPointer<QObject>(form));
    if (auto *startup = qobject_cast<frmStartup *>(form))
        startup->Unload();
    else if (auto *window = qobject_cast<QWidget *>(form))
        window->close();
    form->deleteLater();
}

void DestroyAll()
{
    // Unloaded forms still waiting for the event loop go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forgetUnloaded();
    // Newest first: a window may refer to one loaded before it.
    const std::vector<QPointer<QObject>> loaded(registry().rbegin(), registry().rend());
    registry().clear();
    for (const QPointer<QObject> &form : loaded)
        delete form.get();
}

} // namespace forms
