#include "UpdateQuestion.h"

#include "links/PageOpeners.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"

namespace app {

void CheckUpdateReminder(settings::SettingsStore &store)
{
    const QDate today = platform::today();
    if (!settings::updateQuestionDue(store, today))
        return;
    const platform::MessageAnswer answer =
        platform::showMessage(nullptr, settings::updateQuestion(),
                              platform::MessageIcon::Information, platform::MessageButtons::YesNo);
    // The user asked for the page whether or not the date could be kept.
    settings::recordUpdateQuestion(store, today);
    if (answer == platform::MessageAnswer::Yes)
        links::OpenDownloadWebPage();
}

void CheckUpdateReminder()
{
    settings::SettingsStore store;
    CheckUpdateReminder(store);
}

} // namespace app
