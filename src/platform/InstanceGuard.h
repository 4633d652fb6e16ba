#pragma once

#include <QLockFile>
#include <QString>

namespace platform {

// Tells whether another copy of the program is running for this user: each
// copy holds a lock file for as long as it runs. A lock file that no running
// copy holds (left by a crash, a kill while starting, another host) is taken
// over, whatever it holds and however old it is, so it never blocks a start.
class InstanceGuard final
{
public:
    explicit InstanceGuard(const QString &lockFilePath = defaultLockFilePath());

    // Tries once to take the lock; true only when a running copy holds it.
    // Any other failure (no folder, no permission, a symlink or a folder in
    // the lock's way, a file that may not be removed) lets this copy run.
    bool anotherCopyRunning();

    // In the per-user runtime folder, or the temporary folder with the user
    // id in the name when there is no usable runtime folder.
    static QString defaultLockFilePath();

private:
    QLockFile m_lock;
    QString m_path;
};

} // namespace platform
