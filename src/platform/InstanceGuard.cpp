#include "InstanceGuard.h"

#include "AppConstants.h"
#include "LockFiles.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace platform {

InstanceGuard::InstanceGuard(const QString &lockFilePath)
    : m_lock(lockFilePath)
    , m_path(lockFilePath)
{
    // QLockFile's stale time is left as it is: on Linux a running copy holds
    // its file with flock(), which QLockFile must take before it removes a
    // stale lock, so age never removes a running copy's lock; and a file
    // nobody holds is taken over below whatever its age.
}

bool InstanceGuard::anotherCopyRunning()
{
    if (m_lock.isLocked() || pipeAt(m_path) || m_lock.tryLock(0))
        return false;
    if (m_lock.error() != QLockFile::LockFailedError)
        return false;
    // The file is there. QLockFile tells a running owner only by the process
    // id written in it; whether anyone really holds the file decides here.
    switch (removeLockIfAbandoned(m_path)) {
    case LeftLock::HeldByRunningProcess:
        return true;
    case LeftLock::Kept:
        return false;
    case LeftLock::Removed:
        break;
    }
    // Another copy starting at this very moment may have taken it since.
    return !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
}

QString InstanceGuard::defaultLockFilePath()
{
    const QString name = app::ExecutableName.toString();
    // A relative runtime folder is to be ignored; Qt would make it in the
    // current folder.
    const QString runtimeVariable = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool relativeRuntime =
        !runtimeVariable.isEmpty() && QDir::isRelativePath(runtimeVariable);
    const QString runtime = relativeRuntime
                                ? QString()
                                : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(name + u".lock"_s);
    return QDir::temp().filePath(name + u'-' + QString::number(::getuid()) + u".lock"_s);
}

} // namespace platform
