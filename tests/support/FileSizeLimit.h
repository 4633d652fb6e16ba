#pragma once

#include <sys/resource.h>

#include <csignal>
#include <functional>

// Runs `action` while no file this process writes may grow past `bytes` (0:
// no limit), as on a full disk: a write past it fails instead of ending the
// process.
inline void withFileSizeLimit(int bytes, const std::function<void()> &action)
{
    rlimit previous{};
    if (bytes <= 0 || getrlimit(RLIMIT_FSIZE, &previous) != 0) {
        action();
        return;
    }
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
    action();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}
