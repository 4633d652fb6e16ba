#pragma once

#include "Seam.h"

#include <utility>

// The program's one random generator: single-precision draws, uniform in
// [0, 1), seeded from the clock.
namespace platform {

// Seeds the generator from the system clock.
void seedRandomDraws();

// The next draw; always at least 0 and below 1.
float randomDraw();

using RandomSeam = Seam<float()>;
RandomSeam &randomSeam();

// Replaces the generator's draws for as long as it lives. Meant for tests.
class ScopedRandomDraw final : public RandomSeam::Override
{
public:
    explicit ScopedRandomDraw(RandomSeam::Function draw)
        : Override(randomSeam(), std::move(draw))
    {}
};

} // namespace platform
