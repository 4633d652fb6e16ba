#include "CoBrand.h"

#include <cmath>

namespace app {

int coBrandNumber(float r)
{
    // Single precision throughout, as the draw itself. Rounding in the
    // default mode sends a half to the even neighbour.
    const float x = r * 6.0f + 1.0f;
    return static_cast<int>(std::nearbyint(x));
}

CoBrandEffect coBrandEffect(int number)
{
    if (number < 1 || number > 6)
        return CoBrandEffect::NoChange;
    return number % 2 == 1 ? CoBrandEffect::CoBrandInFront : CoBrandEffect::FullBrandInFront;
}

} // namespace app
