#include "LockFiles.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

using namespace std::chrono_literals;

// How long a process that has just made its lock file may take to hold it:
// QLockFile creates the file and locks it in the next call.
constexpr auto TakingOverGrace = 200ms;
constexpr auto PollInterval = 10ms;

enum class Holder { Nobody, RunningProcess, Unknown };

Holder holderOf(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return Holder::Nobody;
    }
    return errno == EWOULDBLOCK ? Holder::RunningProcess : Holder::Unknown;
}

std::chrono::nanoseconds ageOf(const struct stat &info)
{
    struct timespec now
    {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return std::chrono::seconds(now.tv_sec - info.st_mtim.tv_sec) +
           std::chrono::nanoseconds(now.tv_nsec - info.st_mtim.tv_nsec);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class FileDescriptor final
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool pipeAt(const QString &path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

LeftLock removeLockIfAbandoned(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (file.get() < 0)
        return errno == ENOENT ? LeftLock::Removed : LeftLock::Kept;
    struct stat opened
    {};
    if (::fstat(file.get(), &opened) != 0)
        return LeftLock::Kept;

    // A file younger than the grace may be one whose maker is about to hold
    // it; it is watched until the grace has passed since it was made.
    const auto watchFor = TakingOverGrace - ageOf(opened);
    const auto deadline = std::chrono::steady_clock::now() +
                          std::clamp<std::chrono::nanoseconds>(watchFor, 0ns, TakingOverGrace);
    Holder holder = holderOf(file.get());
    while (holder == Holder::Nobody && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(PollInterval);
        holder = holderOf(file.get());
    }
    switch (holder) {
    case Holder::RunningProcess:
        return LeftLock::HeldByRunningProcess;
    case Holder::Unknown:
        return LeftLock::Kept;
    case Holder::Nobody:
        break;
    }

    // Held while it goes, so that a copy taking the lock over at the same
    // moment waits; and only if the name still means this file, so that a
    // lock another copy has made since is left alone.
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return LeftLock::HeldByRunningProcess;
    struct stat named
    {};
    if (::lstat(name.constData(), &named) != 0)
        return errno == ENOENT ? LeftLock::Removed : LeftLock::Kept;
    if (!sameFile(opened, named))
        return LeftLock::Removed;
    return ::unlink(name.constData()) == 0 || errno == ENOENT ? LeftLock::Removed : LeftLock::Kept;
}

} // namespace platform
