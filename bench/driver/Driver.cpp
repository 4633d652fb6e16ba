#include "Driver.h"

#include "Measure.h"
#include "Process.h"
#include "XDisplay.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {
namespace {

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

// The entries a program gets on top of the driver's environment, each after
// a space.
std::string joined(const std::vector<std::string> &entries)
{
    std::string text;
    for (const std::string &entry : entries)
        text += ' ' + entry;
    return text;
}

} // namespace

int run(const Options &options)
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
    std::printf("program: %s%s\nbare:    %s%s\nruntime folders in %s, the rest in %s\n",
                program.c_str(), joined(options.programEnvironment).c_str(), bare.c_str(),
                joined(options.bareEnvironment).c_str(), runtimeParent().c_str(),
                temporaryFolder().c_str());
    std::printf("%-6s %-41s   %s\n", "", "program", "bare");
    std::printf("%-6s", "run");
    for (int i = 0; i < 2; ++i)
        std::printf("%s %7s %8s %7s %9s %6s", i == 0 ? "" : "  ", "map ms", "paint ms", "cpu ms",
                    "peak KiB", "bursts");
    std::printf("\n");

    std::vector<Sample> programRuns, bareRuns;
    std::string programTitle, bareTitle;
    for (int i = -options.warmupRuns; i < options.runs; ++i) {
        const Sample p =
            runOnce(display, server.display(), program, options.programEnvironment, options);
        const Sample b = runOnce(display, server.display(), bare, options.bareEnvironment, options);
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
        sample.mapMs = median(column(runs, &Sample::mapMs));
        sample.paintMs = median(column(runs, &Sample::paintMs));
        sample.cpuMs = median(column(runs, &Sample::cpuMs));
        sample.peakKiB = std::lround(median(column(runs, &Sample::peakKiB)));
        sample.bursts = std::lround(median(column(runs, &Sample::bursts)));
        return sample;
    };
    printRow("median", middle(programRuns), middle(bareRuns));
    std::printf("first windows: \"%s\" and \"%s\"\n", programTitle.c_str(), bareTitle.c_str());
    const auto ratio = [&](auto field) {
        return medianRatio(column(programRuns, field), column(bareRuns, field));
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

} // namespace bench
