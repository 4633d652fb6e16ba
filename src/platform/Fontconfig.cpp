#include "Fontconfig.h"

#include <dlfcn.h>

#include <future>

namespace platform {
namespace {

// The worker reading fontconfig's configuration, if one was started. Waiting
// for it at exit, as its destructor does, lets a program that never drew a
// font end cleanly.
std::future<void> &fontconfigReading()
{
    static std::future<void> reading;
    return reading;
}

} // namespace

void preloadFontconfig()
{
    using FcInit = int (*)();
    const auto init = reinterpret_cast<FcInit>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init && !fontconfigReading().valid())
        fontconfigReading() = std::async(std::launch::async, [init] { init(); });
}

void waitForFontconfig()
{
    if (std::future<void> &reading = fontconfigReading(); reading.valid())
        reading.wait();
}

} // namespace platform
