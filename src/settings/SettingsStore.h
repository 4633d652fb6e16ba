#pragma once

#include <QString>

#include <memory>

class QSettings;

// The program's few remembered values, kept per user in an INI file under the
// group "Settings". Key names and values are both stored scrambled. Nothing
// here throws or reports: a store that cannot be read reads as empty, and one
// that cannot be written only says so through setValue's result.
namespace settings {

class SettingsStore final
{
public:
    // The per-user store:
    // <config folder>/<storeApplicationName()>/<storeApplicationName()>.ini
    SettingsStore();
    // The given INI file, wherever it is.
    explicit SettingsStore(const QString &iniFilePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The plain value stored under the plain key; empty text when there is
    // none.
    QString value(const QString &key) const;

    // Stores the value and writes the file at once. False when the file could
    // not be written; the value then is not kept across runs.
    bool setValue(const QString &key, const QString &value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

// The name the per-user store is filed under: the running executable's file
// name without extension, or app::ExecutableName when that cannot be found.
QString storeApplicationName();

} // namespace settings
