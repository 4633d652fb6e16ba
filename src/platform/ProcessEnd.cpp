#include "ProcessEnd.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {
namespace {

void leaveEventLoop()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    QCoreApplication::exit(0);
    // Before the event loop runs, exit() has no loop to leave; ask again from
    // inside the loop, so that it ends as soon as it starts.
    QMetaObject::invokeMethod(
        application, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace

ProcessEndSeam &processEndSeam()
{
    static ProcessEndSeam seam(leaveEventLoop);
    return seam;
}

void endProcess()
{
    processEndSeam()();
}

} // namespace platform
