#pragma once

// What the driver needs of the system around the programs it starts: errors
// as exceptions, a request to stop that unwinds everything, the monotonic
// clock, file descriptors and pipes, child processes that cannot outlive the
// scope that started them, and folders that remove themselves.
#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <time.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace bench {

namespace fs = std::filesystem;

// Thrown by checkStop() once SIGINT, SIGTERM or SIGHUP has arrived.
struct Stopped
{};

// Makes SIGINT, SIGTERM and SIGHUP a request to stop instead of an end.
void installStopHandlers();

// Blocking calls return early on a signal; this turns a request to stop into
// an unwinding that ends every process started here.
void checkStop();

[[noreturn]] void fail(const std::string &what);
[[noreturn]] void failErrno(const std::string &what);

double toMs(const timespec &t);
double nowMs();

// Sleeps without giving way to a request to stop: the clean-up paths use it.
void pauseMs(double ms);

class Fd
{
public:
    explicit Fd(int fd = -1)
        : m_fd(fd)
    {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { reset(); }
    int get() const { return m_fd; }
    void reset();

private:
    int m_fd;
};

struct Pipe
{
    Pipe(int readEnd, int writeEnd)
        : read(readEnd)
        , write(writeEnd)
    {}
    Fd read;
    Fd write;
};

std::unique_ptr<Pipe> makePipe();

// Reads exactly size bytes; fewer only at the end of the stream.
std::size_t readFully(int fd, void *buffer, std::size_t size, double deadlineMs);

// A child process that is ended and reaped however the scope is left.
class Child
{
public:
    Child() = default;
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child()
    {
        if (m_pid > 0)
            end(m_endSignal, 3000);
    }
    void started(pid_t pid, int endSignal = SIGKILL)
    {
        m_pid = pid;
        m_endSignal = endSignal;
    }
    pid_t pid() const { return m_pid; }

    // Collects the process if it has ended, without waiting.
    bool ended(rusage &usage);

    // Sends the signal and collects the process; falls back to SIGKILL when it
    // has not ended within graceMs. Returns whether the signal alone did it.
    bool end(int signal, double graceMs, rusage *usage = nullptr);

private:
    pid_t m_pid = -1;
    int m_endSignal = SIGKILL;
};

std::string temporaryFolder();

// Where the runtime folders go. A desktop session's runtime folder is a tmpfs
// (/run/user/UID), so syncing a file there costs nothing; on a disk busy with
// other work the program's lock file would pay for a sync the desktop never
// sees. /dev/shm is a tmpfs on every Linux system that has it.
std::string runtimeParent();

// A new folder, removed with everything in it.
class TempDir
{
public:
    explicit TempDir(const std::string &parent = temporaryFolder());
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    ~TempDir();
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

// The end of a log file, for an error message.
std::string tail(const fs::path &file);

} // namespace bench
