#pragma once

// The private X server the programs start on, and the watch kept on it: the
// map of each program's first window and every change to that window's
// content, each noted with the moment the driver read it.
#include "Process.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// Xvfb on a display number it picks itself (-displayfd), so that no other
// server is disturbed and no free number has to be guessed.
class XServer
{
public:
    explicit XServer(const fs::path &log);
    const std::string &display() const { return m_display; }

private:
    Child m_server;
    std::string m_display;
};

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

    explicit Display(const std::string &name);
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;
    ~Display();

    // Forgets every map and change seen so far.
    void startRun();

    // Waits for the first top-level window of the process to map; returns the
    // moment the map was seen, or a negative number when the process ended
    // first.
    double waitForMap(Child &child, double deadlineMs, xcb_window_t &window);

    // The times the window's content changed from the given moment on.
    std::vector<double> changes(xcb_window_t window, double fromMs) const;

    // Reads whatever has arrived, noting the moment each event is seen.
    void readEvents();

    // Returns when something has arrived, after at most 20 ms, or at untilMs.
    void waitForEvents(double untilMs);

    std::string title(xcb_window_t window);

private:
    xcb_atom_t atom(const char *name);
    std::string property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type);
    bool belongsTo(xcb_window_t window, pid_t pid);

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageNotify = 0;
    xcb_atom_t m_pidAtom = 0;
    xcb_atom_t m_nameAtom = 0;
    xcb_atom_t m_utf8Atom = 0;
    std::vector<Seen> m_maps;
    std::vector<Seen> m_damage;
};

} // namespace bench
