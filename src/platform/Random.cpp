#include "Random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace platform {
namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine;
    return engine;
}

float drawFromGenerator()
{
    const double value = std::generate_canonical<double, 53>(generator());
    // A double just below 1 can round up to 1.0f; keep the draw below 1.
    const float draw = static_cast<float>(value);
    return draw < 1.0f ? draw : std::nextafter(1.0f, 0.0f);
}

} // namespace

RandomSeam &randomSeam()
{
    static RandomSeam seam(drawFromGenerator);
    return seam;
}

void seedRandomDraws()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float randomDraw()
{
    return randomSeam()();
}

} // namespace platform
