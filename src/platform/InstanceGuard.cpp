#include "InstanceGuard.h"

#include "AppConstants.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

InstanceGuard::InstanceGuard(const QString &lockFilePath)
    : m_lock(lockFilePath)
{
    // Age alone never makes a lock stale; a lock whose process is gone is.
    m_lock.setStaleLockTime(0);
}

bool InstanceGuard::anotherCopyRunning()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return false;
    return m_lock.error() == QLockFile::LockFailedError;
}

QString InstanceGuard::defaultLockFilePath()
{
    const QString name = app::ExecutableName.toString();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(name + u".lock"_s);
    return QDir::temp().filePath(name + u'-' + QString::number(::getuid()) + u".lock"_s);
}
