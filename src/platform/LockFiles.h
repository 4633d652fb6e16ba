#pragma once

#include <QString>

// Lock files left behind. QLockFile holds its file with flock() for as long as
// the lock lives, and the kernel lets go of it when the process ends however
// it ends: a lock file that no process holds so was left by a copy that
// crashed, was killed while it started (an empty file) or ran on another host.
namespace platform {

enum class LeftLock {
    // No file there, or one that nobody held and that is now gone.
    Removed,
    // A running process holds it.
    HeldByRunningProcess,
    // Nobody holds it, but it could not be removed; or it cannot be told.
    Kept,
};

// Whether a named pipe stands where the lock goes, or a link to one: no
// copy's lock, and QLockFile, which reads a lock file it cannot take, would
// wait on it for ever.
bool pipeAt(const QString &path);

// Removes the lock file at `path` unless a running process holds it. A file
// made in the last moment and not yet held may belong to a process that is
// taking the lock right now: it is watched for a moment before it counts as
// left behind.
LeftLock removeLockIfAbandoned(const QString &path);

} // namespace platform
