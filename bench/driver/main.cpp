// Measures how soon the program's window appears and is painted, and how much
// memory the program takes, against a bare Qt Widgets window, on a private X
// server with no window manager: a top-level window then maps the moment its
// program asks, so the time to the map is the program's own.
#include "Driver.h"
#include "Process.h"
#include "StartupBench.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char *argv[])
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = bench::parseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), bench::usage(argv[0]).c_str());
        return 2;
    }

    bench::installStopHandlers();

    try {
        return bench::run(*options);
    } catch (const bench::Stopped &) {
        std::fflush(stdout);
        std::fprintf(stderr, "stopped\n");
        return 130;
    } catch (const std::exception &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
}
