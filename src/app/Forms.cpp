#include "Forms.h"

#include "QuitProgram.h"
#include "frmStartup.h"
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

template <typename Form> Form &load(QPointer<Form> &instance)
{
    // An unloaded form may wait for its destruction; it counts as gone.
    if (!instance || !registered(instance.get())) {
        instance = new Form;
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
    return load(instance);
}

frmMain &Main()
{
    static QPointer<frmMain> instance;
    const bool loaded = instance && registered(instance.get());
    frmMain &form = load(instance);
    if (!loaded) {
        form.setAttribute(Qt::WA_DeleteOnClose);
        // The main window's going ends the program, unless the quit routine
        // is already unloading every form.
        QObject::connect(&form, &frmMain::unloading, &form, [] {
            if (!modHelp::QuitInProgress())
                modHelp::QuitProgram();
        });
    }
    return form;
}

QList<QPointer<QObject>> Loaded()
{
    forgetUnloaded();
    return {registry().begin(), registry().end()};
}

bool IsLoaded(const QObject *form)
{
    forgetUnloaded();
    return form && registered(form);
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
