#pragma once

#include <cmath>

namespace brindlecast {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default floating-point rounding mode is to-nearest-even
}

} // namespace brindlecast
