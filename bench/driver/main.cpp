// Measures how soon the program's window appears and is painted, and how much
// memory the program takes, against a bare Qt Widgets window, on a private X
// server with no window manager: a top-level window then maps the moment its
// program asks, so the time to the map is the program's own.
#include "StartupBench.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

volatile sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

struct Stopped
{};

// Blocking calls return early on a signal; this turns a request to stop into
// an unwinding that ends every process started here.
void checkStop()
{
    if (stopRequested)
        throw Stopped{};
}

[[noreturn]] void fail(const std::string &what)
{
    throw std::runtime_error(what);
}

[[noreturn]] void failErrno(const std::string &what)
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

// Sleeps without giving way to a request to stop: the clean-up paths use it.
void pauseMs(double ms)
{
    const double until = nowMs() + ms;
    for (double left = ms; left > 0; left = until - nowMs()) {
        const auto whole = static_cast<time_t>(left / 1e3);
        timespec t{whole, static_cast<long>((left - static_cast<double>(whole) * 1e3) * 1e6)};
        nanosleep(&t, nullptr);
    }
}

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
    void reset()
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
    }

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

std::unique_ptr<Pipe> makePipe()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        failErrno("pipe");
    return std::make_unique<Pipe>(fds[0], fds[1]);
}

// Reads exactly size bytes; fewer only at the end of the stream.
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
    bool ended(rusage &usage)
    {
        if (m_pid <= 0)
            return true;
        int status = 0;
        const pid_t got = wait4(m_pid, &status, WNOHANG, &usage);
        if (got == m_pid || (got < 0 && errno != EINTR))
            m_pid = -1;
        return m_pid <= 0;
    }

    // Sends the signal and collects the process; falls back to SIGKILL when it
    // has not ended within graceMs. Returns whether the signal alone did it.
    bool end(int signal, double graceMs, rusage *usage = nullptr)
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

private:
    pid_t m_pid = -1;
    int m_endSignal = SIGKILL;
};

std::string temporaryFolder()
{
    const char *tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

// Where the runtime folders go. A desktop session's runtime folder is a tmpfs
// (/run/user/UID), so syncing a file there costs nothing; on a disk busy with
// other work the program's lock file would pay for a sync the desktop never
// sees. /dev/shm is a tmpfs on every Linux system that has it.
std::string runtimeParent()
{
    struct stat info = {};
    if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return temporaryFolder();
}

// A new folder, removed with everything in it.
class TempDir
{
public:
    explicit TempDir(const std::string &parent = temporaryFolder())
    {
        std::string pattern = parent + "/kelo-bench.XXXXXX";
        if (!mkdtemp(pattern.data()))
            failErrno("mkdtemp " + pattern);
        m_path = pattern;
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    ~TempDir()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

std::string tail(const fs::path &file)
{
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr std::size_t Shown = 2000;
    return text.size() > Shown ? "..." + text.substr(text.size() - Shown) : text;
}

// Xvfb on a display number it picks itself (-displayfd), so that no other
// server is disturbed and no free number has to be guessed.
class XServer
{
public:
    explicit XServer(const fs::path &log)
    {
        auto ready = makePipe();
        const std::string fdText = std::to_string(ready->write.get());
        Fd logFd(open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        if (logFd.get() < 0)
            failErrno("open " + log.string());
        const pid_t pid = fork();
        if (pid < 0)
            failErrno("fork");
        if (pid == 0) {
            fcntl(ready->write.get(), F_SETFD, 0);
            dup2(logFd.get(), STDOUT_FILENO);
            dup2(logFd.get(), STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        // SIGTERM lets the server remove its lock file and socket.
        m_server.started(pid, SIGTERM);
        ready->write.reset();

        std::string number;
        char ch = 0;
        const double deadline = nowMs() + 20000;
        while (readFully(ready->read.get(), &ch, 1, deadline) == 1 && ch != '\n')
            number.push_back(ch);
        if (number.empty())
            fail("Xvfb did not start:\n" + tail(log));
        m_display = ":" + number;
    }
    const std::string &display() const { return m_display; }

private:
    Child m_server;
    std::string m_display;
};

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T *p)
{
    return {p, &std::free};
}

// The private server, watched from before any program starts so that no map
// and no change to a window can be missed: every top-level window gets a
// damage object as soon as it is created, reporting each rectangle drawn
// into it (raw rectangles) and emptied again after each report.
class Display
{
public:
    struct Seen
    {
        xcb_window_t window = 0;
        double ms = 0;
    };

    explicit Display(const std::string &name)
    {
        int screenNumber = 0;
        m_c = xcb_connect(name.c_str(), &screenNumber);
        if (xcb_connection_has_error(m_c))
            fail("cannot connect to X display " + name);
        auto screens = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        m_root = screens.data->root;

        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_c, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        m_damageNotify = static_cast<uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
        // The server takes no other damage request before this one.
        if (!owned(xcb_damage_query_version_reply(
                m_c,
                xcb_damage_query_version(m_c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
                nullptr)))
            fail("cannot use the DAMAGE extension");

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        if (auto error = owned(xcb_request_check(
                m_c, xcb_change_window_attributes_checked(m_c, m_root, XCB_CW_EVENT_MASK, &mask))))
            fail("cannot watch the root window");
        m_pidAtom = atom("_NET_WM_PID");
        m_nameAtom = atom("_NET_WM_NAME");
        m_utf8Atom = atom("UTF8_STRING");
    }
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;
    ~Display() { xcb_disconnect(m_c); }

    // Forgets every map and change seen so far.
    void startRun()
    {
        readEvents();
        m_maps.clear();
        m_damage.clear();
    }

    // Waits for the first top-level window of the process to map; returns the
    // moment the map was seen, or a negative number when the process ended
    // first.
    double waitForMap(Child &child, double deadlineMs, xcb_window_t &window)
    {
        for (std::size_t checked = 0;;) {
            readEvents();
            for (; checked < m_maps.size(); ++checked) {
                if (belongsTo(m_maps[checked].window, child.pid())) {
                    window = m_maps[checked].window;
                    return m_maps[checked].ms;
                }
            }
            rusage ignored{};
            if (child.ended(ignored))
                return -1;
            if (nowMs() > deadlineMs)
                fail("no window appeared in time");
            waitForEvents(deadlineMs);
        }
    }

    // The times the window's content changed from the given moment on.
    std::vector<double> changes(xcb_window_t window, double fromMs) const
    {
        std::vector<double> times;
        for (const Seen &seen : m_damage)
            if (seen.window == window && seen.ms >= fromMs)
                times.push_back(seen.ms);
        return times;
    }

    // Reads whatever has arrived, noting the moment each event is seen.
    void readEvents()
    {
        while (auto event = owned(xcb_poll_for_event(m_c))) {
            const double seen = nowMs();
            const uint8_t type = event->response_type & 0x7f;
            if (type == m_damageNotify) {
                const auto *notify =
                    reinterpret_cast<const xcb_damage_notify_event_t *>(event.get());
                m_damage.push_back({notify->drawable, seen});
                xcb_damage_subtract(m_c, notify->damage, XCB_NONE, XCB_NONE);
            } else if (type == XCB_CREATE_NOTIFY) {
                const auto *create =
                    reinterpret_cast<const xcb_create_notify_event_t *>(event.get());
                // Freed by the server with the window. A window already gone
                // gets an error, and errors are passed over here.
                if (create->parent == m_root)
                    xcb_damage_create(m_c, xcb_generate_id(m_c), create->window,
                                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
                if (map->event == m_root)
                    m_maps.push_back({map->window, seen});
            }
        }
        xcb_flush(m_c);
        if (xcb_connection_has_error(m_c))
            fail("lost the connection to the X server");
    }

    // Returns when something has arrived, after at most 20 ms, or at untilMs.
    void waitForEvents(double untilMs)
    {
        pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::clamp(std::ceil(untilMs - nowMs()), 0.0, 20.0)));
        checkStop();
    }

    std::string title(xcb_window_t window)
    {
        std::string text = property(window, m_nameAtom, m_utf8Atom);
        return text.empty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : text;
    }

private:
    xcb_atom_t atom(const char *name)
    {
        auto reply = owned(xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
        if (!reply)
            fail(std::string("cannot intern ") + name);
        return reply->atom;
    }

    std::string property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        auto reply = owned(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, window, name, type, 0, 256), nullptr));
        if (!reply || reply->format != 8)
            return {};
        return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                           static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }

    // Only one program runs at a time, so a window without a process id is
    // taken as its own; one naming another process is not.
    bool belongsTo(xcb_window_t window, pid_t pid)
    {
        auto reply = owned(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
            return true;
        return *static_cast<const uint32_t *>(xcb_get_property_value(reply.get())) ==
               static_cast<uint32_t>(pid);
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageNotify = 0;
    xcb_atom_t m_pidAtom = 0;
    xcb_atom_t m_nameAtom = 0;
    xcb_atom_t m_utf8Atom = 0;
    std::vector<Seen> m_maps;
    std::vector<Seen> m_damage;
};

struct Sample
{
    // From exec to the map of the first window, and to the end of its first
    // burst of changes: its first complete paint.
    double mapMs = 0;
    double paintMs = 0;
    // Processor time, user and system, over the whole run: less at the mercy
    // of other load on the machine than the times above.
    double cpuMs = 0;
    long peakKiB = 0;
    // Bursts of changes to the window from its map to SIGTERM; more than one
    // means it changed again after the quiet time.
    long bursts = 0;
    std::string title;
};

void writeFile(const fs::path &file, const std::string &text)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush())
        fail("cannot write " + file.string());
}

// Today as the program's clock reads it: the local date.
std::string todaysSettings()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return bench::settingsFileText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// One start of a program in a home of its own: fresh configuration, runtime
// and cache folders, and a settings file that records a first run today, so
// that the program asks nothing before its main window. The bare program gets
// the same, named after itself, so that both pay for the same files.
Sample runOnce(Display &display, const std::string &displayName, const std::string &program,
               const bench::Options &options)
{
    TempDir home;
    const fs::path dir = home.path();
    const std::string name = fs::path(program).stem().string();
    for (const char *sub : {"home", "config", "cache", "data"})
        fs::create_directories(dir / sub);
    TempDir runtime(runtimeParent());
    fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
    writeFile(dir / "config" / name / (name + ".ini"), todaysSettings());

    const char *path = std::getenv("PATH");
    const std::vector<std::string> environment = {
        "PATH=" + std::string(path ? path : "/usr/bin:/bin"),
        "HOME=" + (dir / "home").string(),
        "DISPLAY=" + displayName,
        "QT_QPA_PLATFORM=xcb",
        "LANG=C.UTF-8",
        "XDG_CONFIG_HOME=" + (dir / "config").string(),
        "XDG_CACHE_HOME=" + (dir / "cache").string(),
        "XDG_DATA_HOME=" + (dir / "data").string(),
        "XDG_RUNTIME_DIR=" + runtime.path().string(),
    };
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
    const std::vector<bench::Burst> bursts =
        bench::damageBursts(display.changes(window, mapped), options.quietMs);
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

void printRow(const std::string &label, const Sample &program, const Sample &bare)
{
    std::printf("%-6s", label.c_str());
    for (const Sample *sample : {&program, &bare})
        std::printf("%s %7.1f %8.1f %7.1f %9ld %6ld", sample == &program ? "" : "  ", sample->mapMs,
                    sample->paintMs, sample->cpuMs, sample->peakKiB, sample->bursts);
    std::printf("\n");
    std::fflush(stdout);
}

std::string absolute(const std::string &program)
{
    std::error_code error;
    const fs::path path = fs::canonical(program, error);
    if (error || access(path.c_str(), X_OK) != 0)
        fail("not an executable: " + program);
    return path.string();
}

int run(const bench::Options &options)
{
    const std::string program = absolute(options.program);
    const std::string bare = absolute(options.bare);

    TempDir serverDir;
    XServer server(serverDir.path() / "xvfb.log");
    Display display(server.display());

    std::printf(
        "Xvfb %s, no window manager; %d runs of each, alternating, after %d warm-up pair(s).\n"
        "map: ms from exec to the map of the first window; paint: ms from exec to its\n"
        "first complete paint, the last DAMAGE report before %d ms without one;\n"
        "cpu: user + system ms of the whole run; peak: peak resident memory; bursts:\n"
        "bursts of changes to the window up to SIGTERM, %d ms after it went quiet.\n",
        server.display().c_str(), options.runs, options.warmupRuns, options.quietMs,
        options.settleMs);
    std::printf("program: %s\nbare:    %s\nruntime folders in %s, the rest in %s\n",
                program.c_str(), bare.c_str(), runtimeParent().c_str(), temporaryFolder().c_str());
    std::printf("%-6s %-41s   %s\n", "", "program", "bare");
    std::printf("%-6s", "run");
    for (int i = 0; i < 2; ++i)
        std::printf("%s %7s %8s %7s %9s %6s", i == 0 ? "" : "  ", "map ms", "paint ms", "cpu ms",
                    "peak KiB", "bursts");
    std::printf("\n");

    std::vector<Sample> programRuns, bareRuns;
    std::string programTitle, bareTitle;
    for (int i = -options.warmupRuns; i < options.runs; ++i) {
        const Sample p = runOnce(display, server.display(), program, options);
        const Sample b = runOnce(display, server.display(), bare, options);
        // A different first window means something, a question say, came
        // before the main window; that run measured something else.
        if (programTitle.empty())
            programTitle = p.title;
        else if (p.title != programTitle)
            fail("the program's first window changed from \"" + programTitle + "\" to \"" +
                 p.title + "\"");
        if (bareTitle.empty())
            bareTitle = b.title;
        printRow(i < 0 ? "warm" : std::to_string(i + 1), p, b);
        if (i < 0)
            continue;
        programRuns.push_back(p);
        bareRuns.push_back(b);
    }

    const auto column = [](const std::vector<Sample> &runs, auto field) {
        std::vector<double> values;
        for (const Sample &run : runs)
            values.push_back(static_cast<double>(run.*field));
        return values;
    };
    const auto middle = [&](const std::vector<Sample> &runs) {
        Sample sample;
        sample.mapMs = bench::median(column(runs, &Sample::mapMs));
        sample.paintMs = bench::median(column(runs, &Sample::paintMs));
        sample.cpuMs = bench::median(column(runs, &Sample::cpuMs));
        sample.peakKiB = std::lround(bench::median(column(runs, &Sample::peakKiB)));
        sample.bursts = std::lround(bench::median(column(runs, &Sample::bursts)));
        return sample;
    };
    printRow("median", middle(programRuns), middle(bareRuns));
    std::printf("first windows: \"%s\" and \"%s\"\n", programTitle.c_str(), bareTitle.c_str());
    const auto ratio = [&](auto field) {
        return bench::medianRatio(column(programRuns, field), column(bareRuns, field));
    };
    std::printf("median of the ratios program / bare of each pair of runs: map %.2f, "
                "paint %.2f,\ncpu time %.2f, peak memory %.2f\n",
                ratio(&Sample::mapMs), ratio(&Sample::paintMs), ratio(&Sample::cpuMs),
                ratio(&Sample::peakKiB));

    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    // A forked child starts as a copy of this process, so this is a floor
    // under every peak above.
    std::printf("this driver's own peak RSS: %ld KiB\n", self.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = bench::parseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), bench::usage(argv[0]).c_str());
        return 2;
    }

    struct sigaction action
    {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);

    try {
        return run(*options);
    } catch (const Stopped &) {
        std::fflush(stdout);
        std::fprintf(stderr, "stopped\n");
        return 130;
    } catch (const std::exception &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
}
