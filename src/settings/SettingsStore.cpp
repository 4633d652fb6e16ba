#include "SettingsStore.h"

#include "AppConstants.h"
#include "Scramble.h"
#include "platform/LockFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace settings {
namespace {

// Silent unless turned on, e.g. QT_LOGGING_RULES="kelo.settings.warning=true".
Q_LOGGING_CATEGORY(lcSettings, "kelo.settings", QtCriticalMsg)

// A settings file that cannot be read does not stop the program: what it
// cannot read counts as missing. A line in the log says so.
void reportUnreadable(const QSettings &settings)
{
    if (settings.status() != QSettings::NoError)
        qCWarning(lcSettings, "cannot read %s; its entries count as missing",
                  qUtf8Printable(settings.fileName()));
}

// The full QSettings key of a plain key name, or empty text when nothing of
// the name survives scrambling.
QString settingsKey(const QString &key)
{
    const QString scrambled = ScrambleText(key);
    if (scrambled.isEmpty())
        return QString();
    return u"Settings/"_s + scrambled;
}

// The folder of per-user settings: $XDG_CONFIG_HOME, or ~/.config when it is
// unset, empty or relative (a relative one is to be ignored; Qt would use it
// as a folder under wherever the program was started).
QString userConfigFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir::homePath() + u"/.config"_s;
}

QString userStoreFile()
{
    const QString name = storeApplicationName();
    return userConfigFolder() + u'/' + name + u'/' + name + u".ini"_s;
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(userStoreFile())
{}

SettingsStore::SettingsStore(const QString &iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
    reportUnreadable(*m_settings);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString &key) const
{
    const QString fullKey = settingsKey(key);
    if (fullKey.isEmpty())
        return QString();
    // A hand-edited value that reads as something other than text, such as a
    // list, counts as no value.
    return UnscrambleText(m_settings->value(fullKey).toString());
}

bool SettingsStore::setValue(const QString &key, const QString &value)
{
    const QString fullKey = settingsKey(key);
    if (fullKey.isEmpty())
        return false;
    m_settings->setValue(fullKey, ScrambleText(value));
    // QSettings waits for a lock file left beside the store by a copy that
    // was killed while writing, up to half a minute; nobody holds it.
    platform::removeLockIfAbandoned(m_settings->fileName() + u".lock"_s);
    m_settings->sync();
    if (m_settings->status() == QSettings::FormatError) {
        // A malformed file read when the store was opened keeps reporting its
        // error and hides whether this write worked. A new reading of the file
        // tells: a rewritten file reads cleanly, and a write still pending
        // fails again.
        const QString path = m_settings->fileName();
        m_settings.reset();
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    const bool written = m_settings->status() == QSettings::NoError;
    // The program goes on without the entry; a line in the log says why.
    if (!written)
        qCWarning(lcSettings, "cannot write %s to %s", qUtf8Printable(key),
                  qUtf8Printable(m_settings->fileName()));
    return written;
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString storeApplicationName()
{
    // Asking before the application object exists only draws a warning.
    if (QCoreApplication::instance()) {
        const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (!name.isEmpty())
            return name;
    }
    return app::ExecutableName.toString();
}

} // namespace settings
