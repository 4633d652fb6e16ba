#include "QuitProgram.h"

#include "Forms.h"
#include "platform/ProcessEnd.h"

#include <exception>

namespace app {
namespace {
bool unloadingForms = false;
} // namespace

bool QuitInProgress()
{
    return unloadingForms;
}

void QuitProgram()
{
    if (!unloadingForms) {
        unloadingForms = true;
        for (const QPointer<QObject> &form : forms::Loaded()) {
            // A form that fails to unload is passed over; the rest still go.
            try {
                forms::Unload(form.get());
            } catch (const std::exception &) {
            }
        }
        unloadingForms = false;
    }
    platform::EndProcess();
}

} // namespace app
