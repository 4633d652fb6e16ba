#include "StartupBench.h"

#include "settings/SettingsStore.h"

#include <QDate>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <ranges>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bench {
namespace {

bool readCount(std::string_view text, int lowest, int highest, int &value)
{
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < lowest ||
        parsed > highest)
        return false;
    value = parsed;
    return true;
}

// NAME=VALUE, NAME not empty and without spaces.
bool isEntry(std::string_view entry)
{
    const std::size_t equals = entry.find('=');
    return equals != 0 && equals != std::string_view::npos &&
           entry.substr(0, equals).find(' ') == std::string_view::npos;
}

} // namespace

std::optional<Options> parseOptions(const std::vector<std::string_view> &args, std::string &error)
{
    struct Count
    {
        std::string_view name;
        int Options::*field;
        int lowest;
    };
    // An hour at most of anything keeps sums of milliseconds far from overflow.
    constexpr int Highest = 3'600'000;
    const Count counts[] = {
        {"--runs", &Options::runs, 1},         {"-n", &Options::runs, 1},
        {"--warmup", &Options::warmupRuns, 0}, {"--settle-ms", &Options::settleMs, 0},
        {"--quiet-ms", &Options::quietMs, 1},  {"--timeout-ms", &Options::timeoutMs, 100}};

    Options options;
    std::vector<std::string_view> programs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto count = std::ranges::find(counts, arg, &Count::name);
        if (arg == "--program-env" || arg == "--bare-env") {
            if (i + 1 == args.size() || !isEntry(args[i + 1])) {
                error = std::string(arg) + " needs NAME=VALUE";
                return std::nullopt;
            }
            (arg == "--program-env" ? options.programEnvironment : options.bareEnvironment)
                .emplace_back(args[++i]);
        } else if (arg == "--under") {
            options.under.clear();
            if (i + 1 < args.size()) {
                for (const auto word : std::views::split(args[++i], ' ')) {
                    if (!word.empty())
                        options.under.emplace_back(word.begin(), word.end());
                }
            }
            if (options.under.empty()) {
                error = "--under needs a command";
                return std::nullopt;
            }
        } else if (count != std::end(counts)) {
            if (i + 1 == args.size()) {
                error = std::string(arg) + " needs a number";
                return std::nullopt;
            }
            const std::string_view value = args[++i];
            if (!readCount(value, count->lowest, Highest, options.*count->field)) {
                error = std::string(arg) + ": not a whole number from " +
                        std::to_string(count->lowest) + " to " + std::to_string(Highest) + ": " +
                        std::string(value);
                return std::nullopt;
            }
        } else if (arg.starts_with('-') && arg.size() > 1) {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        } else {
            programs.push_back(arg);
        }
    }
    if (programs.size() != 2) {
        error = "expected two programs, the one measured and the bare one";
        return std::nullopt;
    }
    options.program = programs[0];
    options.bare = programs[1];
    return options;
}

std::string usage(std::string_view command)
{
    return "usage: " + std::string(command) +
           " [--runs N] [--warmup N] [--quiet-ms MS] [--settle-ms MS] [--timeout-ms MS]\n"
           "       [--under COMMAND] [--program-env NAME=VALUE] [--bare-env NAME=VALUE]\n"
           "       PROGRAM BARE\n"
           "Starts PROGRAM and BARE in turn on a private Xvfb display, N times each\n"
           "(default 50) after N warm-up pairs (default 1), and reports for each start\n"
           "the time from exec to the map of the first window and to its first\n"
           "complete paint (the last change before MS without one, default 100),\n"
           "the processor time and the peak resident memory. Each program ends by\n"
           "SIGTERM --settle-ms (default 300) after its window went quiet. With\n"
           "--under, each program is started under COMMAND (words split at spaces),\n"
           "for instance \"valgrind --tool=callgrind\". --program-env and --bare-env\n"
           "(each as often as needed) set a variable for one of the two, whose\n"
           "LANG is otherwise C.UTF-8: PROGRAM and BARE may be one program under\n"
           "two locales.\n";
}

std::vector<std::string> withEntries(std::vector<std::string> environment,
                                     const std::vector<std::string> &extra)
{
    for (const std::string &entry : extra) {
        const std::string_view name(entry.data(), entry.find('=') + 1);
        const auto same = std::ranges::find_if(
            environment, [&](const std::string &old) { return old.starts_with(name); });
        if (same == environment.end())
            environment.push_back(entry);
        else
            *same = entry;
    }
    return environment;
}

bool writeSettingsFile(const std::string &path, int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    settings::SettingsStore store(QString::fromStdString(path));
    return store.setValue(u"Duration"_s, date.toString(Qt::ISODate)) &&
           store.setValue(u"Install"_s, u"1"_s);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const std::size_t middle = values.size() / 2;
    std::ranges::nth_element(values, values.begin() + static_cast<std::ptrdiff_t>(middle));
    const double upper = values[middle];
    if (values.size() % 2 != 0)
        return upper;
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return std::midpoint(lower, upper);
}

double medianRatio(const std::vector<double> &numerators, const std::vector<double> &denominators)
{
    if (numerators.size() != denominators.size())
        return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> ratios;
    ratios.reserve(numerators.size());
    for (std::size_t i = 0; i < numerators.size(); ++i)
        ratios.push_back(numerators[i] / denominators[i]);
    return median(std::move(ratios));
}

std::vector<Burst> damageBursts(std::vector<double> times, double quietMs)
{
    std::ranges::sort(times);
    std::vector<Burst> bursts;
    for (const double time : times) {
        if (bursts.empty() || time - bursts.back().last >= quietMs)
            bursts.push_back({time, time});
        else
            bursts.back().last = time;
    }
    return bursts;
}

} // namespace bench
