#pragma once

#include <QString>

class QDate;

// Once the program has gone more than two weeks without asking, it offers to
// look for a newer version on the maker's site. The date of the last offer,
// or of the first run, is kept in the settings store. This decides and
// records; the start-up sequence asks the question.
namespace settings {

class SettingsStore;

// How far, in days either way, the kept date may lie from today before the
// offer is made again. A kept date in the future counts the same way, so a
// clock set wrong once does not silence the offer for good.
inline constexpr int UpdateReminderDays = 14;

// The question, in the language of the installed translation.
QString updateQuestion();

// Whether the question is due today. On a first run, or with a kept date that
// cannot be read, records today (starting the two weeks afresh) and says no.
bool updateQuestionDue(SettingsStore &store, const QDate &today);

// Records that the question was asked today, with the install count kept as
// a whole size. A store that cannot be written is not reported.
void recordUpdateQuestion(SettingsStore &store, const QDate &today);

} // namespace settings
