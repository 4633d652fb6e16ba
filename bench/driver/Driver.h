#pragma once

// The whole benchmark: starts the private X server, runs the program and the
// bare window in turn, and prints a row for each pair of runs, then the
// medians and the ratios.
#include "StartupBench.h"

namespace bench {

// Returns the exit status; throws on any failure, and Stopped on a request
// to stop.
int run(const Options &options);

} // namespace bench
