#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parts of the start-up benchmark that need neither X nor child
// processes: its command line, the settings file it gives the program, the
// reading of a window's changes, and the summary of the runs.
namespace bench {

struct Options
{
    int runs = 50;
    // Runs of each program before the measured ones, not counted: the first
    // start after a build meets cold disk caches that later starts never see.
    int warmupRuns = 1;
    // How long each program stays up after its window has gone quiet before
    // SIGTERM; the same for both, so that the peak memory covers the same
    // stretch.
    int settleMs = 300;
    // A window whose content has not changed for this long counts as
    // completely painted: its first paint ends before the first gap this long.
    int quietMs = 100;
    // A window that has not mapped and gone quiet by then, counted from the
    // exec, fails the run.
    int timeoutMs = 15000;
    // A command, split at spaces, that each program is started under: for
    // instance valgrind with its options. Empty: the programs start directly.
    std::vector<std::string> under;
    // NAME=VALUE entries given to the one program or the other on top of the
    // driver's own environment (whose LANG is C.UTF-8): the same program
    // under two locales, say.
    std::vector<std::string> programEnvironment;
    std::vector<std::string> bareEnvironment;
    std::string program;
    std::string bare;
};

// Reads the arguments after the command name. Returns nothing and sets
// error when they cannot be used.
std::optional<Options> parseOptions(const std::vector<std::string_view> &args, std::string &error);

std::string usage(std::string_view command);

// The environment with each NAME=VALUE of extra in place of the entry of
// the same name, or added after the others where there is none.
std::vector<std::string> withEntries(std::vector<std::string> environment,
                                     const std::vector<std::string> &extra);

// Writes the program's settings file recording a first run on the given date
// and a single install, so that a start on that date asks no update question.
// The program's own store writes it, so it is the file the program would have
// written itself. False when the date is no date or the file was not written.
bool writeSettingsFile(const std::string &path, int year, int month, int day);

// The middle value, or the mean of the two middle values; NaN for none.
double median(std::vector<double> values);

// The median of numerators[i] / denominators[i]: each ratio within a pair of
// runs made one after the other, so that a slow stretch of the machine slows
// both halves of the pairs it falls on. NaN for none or lists of different
// lengths.
double medianRatio(const std::vector<double> &numerators, const std::vector<double> &denominators);

// A run of damage to a window with no gap of the quiet time in it.
struct Burst
{
    double first = 0;
    double last = 0;
};

// The times a window's content changed, in bursts: a gap of quietMs or more
// between two times starts a new burst. The first burst's last time is when
// the window was first completely painted.
std::vector<Burst> damageBursts(std::vector<double> times, double quietMs);

} // namespace bench
