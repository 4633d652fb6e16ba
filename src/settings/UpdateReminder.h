#pragma once

class QDate;

// Once the program has gone more than two weeks without asking, it offers to
// look for a newer version on the maker's site. The date of the last offer,
// or of the first run, is kept in the settings store.
namespace settings {

class SettingsStore;

// How far, in days either way, the kept date may lie from today before the
// offer is made again. A kept date in the future counts the same way, so a
// clock set wrong once does not silence the offer for good.
inline constexpr int UpdateReminderDays = 14;

// On a first run only records the date. Later, once the kept date lies more
// than UpdateReminderDays from today, asks whether to check for an update,
// records today and, on Yes, opens the download page. A store that cannot be
// written changes none of this and is not reported.
void CheckUpdateReminder(SettingsStore &store, const QDate &today);

// The same with the per-user store and today's date.
void CheckUpdateReminder();

} // namespace settings
