#pragma once

// One start of a program, measured: its own fresh folders and settings file,
// the exec, the map of its first window, the end of its first paint, and
// then its processor time and peak memory once SIGTERM has ended it.
#include "StartupBench.h"
#include "XDisplay.h"

#include <string>
#include <vector>

namespace bench {

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

// One start of a program in a home of its own: fresh configuration, runtime
// and cache folders, and a settings file that records a first run today, so
// that the program asks nothing before its main window. The bare program gets
// the same, named after itself, so that both pay for the same files.
// environment: NAME=VALUE entries on top of the driver's own.
Sample runOnce(Display &display, const std::string &displayName, const std::string &program,
               const std::vector<std::string> &environment, const Options &options);

} // namespace bench
