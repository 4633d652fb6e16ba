#include "UpdateReminder.h"

#include "SettingsStore.h"
#include "text/TrimSpaces.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace settings {
namespace {

const QString InstallKey = u"Install"_s;
const QString DateKey = u"Duration"_s;

// The install count as kept: a whole number whose size fits a 32-bit signed
// number either way round, so that taking its size cannot overflow. Anything
// else, a missing value included, counts as one install.
qint32 installCountFrom(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text::trimSpaces(text), &ok);
    if (!ok || !std::isfinite(value))
        return 1;
    // std::nearbyint rounds in the current mode; round to nearest, ties to
    // even, is the default and nothing in the program changes it.
    const double rounded = std::nearbyint(value);
    constexpr double largest = std::numeric_limits<qint32>::max();
    if (rounded < -largest || rounded > largest)
        return 1;
    return std::abs(static_cast<qint32>(rounded));
}

} // namespace

QString updateQuestion()
{
    return QCoreApplication::translate(
        "UpdateReminder",
        "There maybe an update to this software available\nDo you want to check for an update?");
}

bool updateQuestionDue(SettingsStore &store, const QDate &today)
{
    const QDate recorded = QDate::fromString(store.value(DateKey), Qt::ISODate);
    if (!recorded.isValid()) {
        store.setValue(InstallKey, u"1"_s);
        store.setValue(DateKey, today.toString(Qt::ISODate));
        return false;
    }
    const qint64 days = today.daysTo(recorded);
    return days < -UpdateReminderDays || days > UpdateReminderDays;
}

void recordUpdateQuestion(SettingsStore &store, const QDate &today)
{
    store.setValue(InstallKey, QString::number(installCountFrom(store.value(InstallKey))));
    store.setValue(DateKey, today.toString(Qt::ISODate));
}

} // namespace settings
