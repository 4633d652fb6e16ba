#include "Process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace bench {
namespace {

volatile sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

} // namespace

void installStopHandlers()
{
    struct sigaction action
    {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void checkStop()
{
    if (stopRequested)
        throw Stopped{};
}

void fail(const std::string &what)
{
    throw std::runtime_error(what);
}

void failErrno(const std::string &what)
{
    fail(what + ": " + std::strerror(errno));
}

double toMs(const timespec &t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return toMs(t);
}

void pauseMs(double ms)
{
    const double until = nowMs() + ms;
    for (double left = ms; left > 0; left = until - nowMs()) {
        const auto whole = static_cast<time_t>(left / 1e3);
        timespec t{whole, static_cast<long>((left - static_cast<double>(whole) * 1e3) * 1e6)};
        nanosleep(&t, nullptr);
    }
}

void Fd::reset()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

std::unique_ptr<Pipe> makePipe()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        failErrno("pipe");
    return std::make_unique<Pipe>(fds[0], fds[1]);
}

std::size_t readFully(int fd, void *buffer, std::size_t size, double deadlineMs)
{
    std::size_t done = 0;
    while (done < size) {
        pollfd p{fd, POLLIN, 0};
        const int wait = static_cast<int>(std::max(0.0, deadlineMs - nowMs()));
        const int ready = poll(&p, 1, wait);
        checkStop();
        if (ready < 0 && errno != EINTR)
            failErrno("poll");
        if (ready == 0)
            fail("timed out waiting for a child process");
        if (ready < 0)
            continue;
        const ssize_t n = ::read(fd, static_cast<char *>(buffer) + done, size - done);
        if (n < 0 && errno != EINTR)
            failErrno("read");
        if (n == 0)
            break;
        if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    return done;
}

bool Child::ended(rusage &usage)
{
    if (m_pid <= 0)
        return true;
    int status = 0;
    const pid_t got = wait4(m_pid, &status, WNOHANG, &usage);
    if (got == m_pid || (got < 0 && errno != EINTR))
        m_pid = -1;
    return m_pid <= 0;
}

bool Child::end(int signal, double graceMs, rusage *usage)
{
    // kill() with a pid of -1 would signal every process there is.
    if (m_pid <= 0)
        return true;
    rusage collected{};
    kill(m_pid, signal);
    const double deadline = nowMs() + graceMs;
    bool killed = false;
    while (!ended(collected)) {
        if (!killed && nowMs() > deadline) {
            kill(m_pid, SIGKILL);
            killed = true;
        }
        pauseMs(1);
    }
    if (usage)
        *usage = collected;
    return !killed;
}

std::string temporaryFolder()
{
    const char *tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

std::string runtimeParent()
{
    struct stat info = {};
    if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return temporaryFolder();
}

TempDir::TempDir(const std::string &parent)
{
    std::string pattern = parent + "/kelo-bench.XXXXXX";
    if (!mkdtemp(pattern.data()))
        failErrno("mkdtemp " + pattern);
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string tail(const fs::path &file)
{
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr std::size_t Shown = 2000;
    return text.size() > Shown ? "..." + text.substr(text.size() - Shown) : text;
}

} // namespace bench
