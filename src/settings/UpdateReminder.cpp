#include "UpdateReminder.h"

#include "SettingsStore.h"
#include "links/PageOpeners.h"
#include "platform/MessageBox.h"
#include "platform/TrimSpaces.h"

#include <QDate>
#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace settings {
namespace {

// The install count as kept: a whole number whose size fits a 32-bit signed
// number either way round, so that taking its size cannot overflow. Anything
// else, a missing value included, counts as one install.
qint32 installCountFrom(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(platform::trimSpaces(text), &ok);
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

void CheckUpdateReminder(SettingsStore &store, const QDate &today)
{
    const QString installKey = u"Install"_s;
    const QString dateKey = u"Duration"_s;
    const QString todayText = today.toString(Qt::ISODate);

    // A date that cannot be read counts as a first run: it starts the two
    // weeks afresh instead of asking at once.
    const QDate recorded = QDate::fromString(store.GetSetting(dateKey), Qt::ISODate);
    if (!recorded.isValid()) {
        store.SaveSetting(installKey, u"1"_s);
        store.SaveSetting(dateKey, todayText);
        return;
    }

    const qint64 days = today.daysTo(recorded);
    if (days >= -UpdateReminderDays && days <= UpdateReminderDays)
        return;

    const platform::MessageAnswer answer =
        platform::showMessage(nullptr,
                              u"There maybe an update to this software available\n"
                              u"Do you want to check for an update?"_s,
                              platform::MessageIcon::Information, platform::MessageButtons::YesNo);

    // Whether these writes succeed changes nothing: the user asked for the
    // page either way.
    store.SaveSetting(installKey, QString::number(installCountFrom(store.GetSetting(installKey))));
    store.SaveSetting(dateKey, todayText);

    if (answer == platform::MessageAnswer::Yes)
        links::OpenDownloadWebPage();
}

void CheckUpdateReminder()
{
    SettingsStore store;
    CheckUpdateReminder(store, QDate::currentDate());
}

} // namespace settings
