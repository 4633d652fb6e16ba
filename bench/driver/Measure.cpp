#include "Measure.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace bench {
namespace {

// The settings of a first run today, as the program's clock reads it: the
// local date.
void writeTodaysSettings(const fs::path &file)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    fs::create_directories(file.parent_path());
    if (!writeSettingsFile(file.string(), local.tm_year + 1900, local.tm_mon + 1, local.tm_mday))
        fail("cannot write " + file.string());
}

} // namespace

Sample runOnce(Display &display, const std::string &displayName, const std::string &program,
               const std::vector<std::string> &extraEnvironment, const Options &options)
{
    TempDir home;
    const fs::path dir = home.path();
    const std::string name = fs::path(program).stem().string();
    for (const char *sub : {"home", "config", "cache", "data"})
        fs::create_directories(dir / sub);
    TempDir runtime(runtimeParent());
    fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
    writeTodaysSettings(dir / "config" / name / (name + ".ini"));

    const char *path = std::getenv("PATH");
    const std::vector<std::string> environment = withEntries(
        {
            "PATH=" + std::string(path ? path : "/usr/bin:/bin"),
            "HOME=" + (dir / "home").string(),
            "DISPLAY=" + displayName,
            "QT_QPA_PLATFORM=xcb",
            "LANG=C.UTF-8",
            "XDG_CONFIG_HOME=" + (dir / "config").string(),
            "XDG_CACHE_HOME=" + (dir / "cache").string(),
            "XDG_DATA_HOME=" + (dir / "data").string(),
            "XDG_RUNTIME_DIR=" + runtime.path().string(),
        },
        extraEnvironment);
    std::vector<char *> envp;
    for (const std::string &entry : environment)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);
    std::vector<char *> argv;
    for (const std::string &word : options.under)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(const_cast<char *>(program.c_str()));
    argv.push_back(nullptr);

    const fs::path log = dir / "output.log";
    Fd logFd(open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    Fd nullFd(open("/dev/null", O_RDONLY | O_CLOEXEC));
    if (logFd.get() < 0 || nullFd.get() < 0)
        failErrno("open");
    auto stamp = makePipe();

    display.startRun();
    Child child;
    const pid_t pid = fork();
    if (pid < 0)
        failErrno("fork");
    if (pid == 0) {
        dup2(nullFd.get(), STDIN_FILENO);
        dup2(logFd.get(), STDOUT_FILENO);
        dup2(logFd.get(), STDERR_FILENO);
        timespec start{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        (void)!write(stamp->write.get(), &start, sizeof start);
        execvpe(argv.front(), argv.data(), envp.data());
        const int error = errno;
        (void)!write(stamp->write.get(), &error, sizeof error);
        _exit(127);
    }
    child.started(pid);
    stamp->write.reset();

    const double deadline = nowMs() + options.timeoutMs;
    timespec start{};
    if (readFully(stamp->read.get(), &start, sizeof start, deadline) != sizeof start)
        fail("lost the start of " + program);
    int execError = 0;
    if (readFully(stamp->read.get(), &execError, sizeof execError, deadline) != 0)
        fail("cannot run " + program + ": " + std::strerror(execError));

    xcb_window_t window = 0;
    const double mapped = display.waitForMap(child, deadline, window);
    if (mapped < 0)
        fail(program + " ended before its window appeared:\n" + tail(log));

    Sample sample;
    sample.mapMs = mapped - toMs(start);
    sample.title = display.title(window);

    // The first paint is complete once the window has not changed for the
    // quiet time; the program has to stay up until then.
    double quietAt = 0;
    for (;;) {
        display.readEvents();
        const std::vector<double> changes = display.changes(window, mapped);
        const double now = nowMs();
        if (!changes.empty() && now - changes.back() >= options.quietMs) {
            quietAt = now;
            break;
        }
        rusage ignored{};
        if (child.ended(ignored))
            fail(program + " ended by itself before its window went quiet:\n" + tail(log));
        if (now > deadline)
            fail(changes.empty() ? program + ": nothing was drawn in its window in time"
                                 : program + ": its window kept changing");
        display.waitForEvents(changes.empty() ? deadline : changes.back() + options.quietMs);
    }

    // Later than the map by at least the settling time as well.
    const double endAt = quietAt + options.settleMs;
    while (nowMs() < endAt) {
        display.readEvents();
        display.waitForEvents(endAt);
    }
    display.readEvents();
    const std::vector<Burst> bursts =
        damageBursts(display.changes(window, mapped), options.quietMs);
    sample.paintMs = bursts.front().last - toMs(start);
    sample.bursts = static_cast<long>(bursts.size());

    rusage usage{};
    if (child.ended(usage))
        fail(program + " ended by itself after its window appeared:\n" + tail(log));
    if (!child.end(SIGTERM, 5000, &usage))
        fail(program + " did not end on SIGTERM");
    sample.peakKiB = usage.ru_maxrss;
    sample.cpuMs = (static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    return sample;
}

} // namespace bench
