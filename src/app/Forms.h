#pragma once

#include <QList>
#include <QPointer>

class frmExitScreen;
class frmMain;
class frmStartup;

// The program-wide instance of each window. Referring to a window loads it:
// the first reference creates it, and a reference after it was unloaded
// creates a fresh one. The forms live until they are unloaded.
namespace forms {

frmStartup &Startup();
frmMain &Main();
frmExitScreen &ExitScreen();

// The forms loaded now, in the order they were loaded.
QList<QPointer<QObject>> Loaded();

bool IsLoaded(const QObject *form);

// Unloads the form: its unload handler runs (a window closes), then it is
// destroyed once control is back in the event loop, never inside its own
// handler.
void Unload(QObject *form);

// Destroys whatever is still there without running any handler; the last
// thing main() does, after the event loop has ended.
void DestroyAll();

} // namespace forms
