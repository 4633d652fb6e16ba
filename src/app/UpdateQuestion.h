#pragma once

namespace settings {
class SettingsStore;
}

// The update reminder at start: when it is due, asks whether to check for an
// update, before any window of the program shows; records today and, on Yes,
// opens the download page. Today is the clock's. Whether the store can be
// written changes none of this and is not reported.
namespace app {

void CheckUpdateReminder(settings::SettingsStore &store);

// The same with the per-user store.
void CheckUpdateReminder();

} // namespace app
