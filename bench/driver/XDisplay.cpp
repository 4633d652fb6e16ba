#include "XDisplay.h"

#include <xcb/damage.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace bench {
namespace {

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T *p)
{
    return {p, &std::free};
}

} // namespace

XServer::XServer(const fs::path &log)
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

Display::Display(const std::string &name)
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
            m_c, xcb_damage_query_version(m_c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
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

Display::~Display()
{
    xcb_disconnect(m_c);
}

void Display::startRun()
{
    readEvents();
    m_maps.clear();
    m_damage.clear();
}

double Display::waitForMap(Child &child, double deadlineMs, xcb_window_t &window)
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

std::vector<double> Display::changes(xcb_window_t window, double fromMs) const
{
    std::vector<double> times;
    for (const Seen &seen : m_damage)
        if (seen.window == window && seen.ms >= fromMs)
            times.push_back(seen.ms);
    return times;
}

void Display::readEvents()
{
    while (auto event = owned(xcb_poll_for_event(m_c))) {
        const double seen = nowMs();
        const uint8_t type = event->response_type & 0x7f;
        if (type == m_damageNotify) {
            const auto *notify = reinterpret_cast<const xcb_damage_notify_event_t *>(event.get());
            m_damage.push_back({notify->drawable, seen});
            xcb_damage_subtract(m_c, notify->damage, XCB_NONE, XCB_NONE);
        } else if (type == XCB_CREATE_NOTIFY) {
            const auto *create = reinterpret_cast<const xcb_create_notify_event_t *>(event.get());
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

void Display::waitForEvents(double untilMs)
{
    pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
    poll(&p, 1, static_cast<int>(std::clamp(std::ceil(untilMs - nowMs()), 0.0, 20.0)));
    checkStop();
}

std::string Display::title(xcb_window_t window)
{
    std::string text = property(window, m_nameAtom, m_utf8Atom);
    return text.empty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : text;
}

xcb_atom_t Display::atom(const char *name)
{
    auto reply = owned(xcb_intern_atom_reply(
        m_c, xcb_intern_atom(m_c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    if (!reply)
        fail(std::string("cannot intern ") + name);
    return reply->atom;
}

std::string Display::property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    auto reply = owned(
        xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, window, name, type, 0, 256), nullptr));
    if (!reply || reply->format != 8)
        return {};
    return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// Only one program runs at a time, so a window without a process id is taken
// as its own; one naming another process is not.
bool Display::belongsTo(xcb_window_t window, pid_t pid)
{
    auto reply = owned(xcb_get_property_reply(
        m_c, xcb_get_property(m_c, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return true;
    return *static_cast<const uint32_t *>(xcb_get_property_value(reply.get())) ==
           static_cast<uint32_t>(pid);
}

} // namespace bench
