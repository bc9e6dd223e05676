#pragma once
#include <cmath>
#include <cstdint>

namespace legacy {

// The classic CInt/CLng rounding: to the nearest whole number, halves to even
// (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -0.5 -> 0, -1.5 -> -2).
inline int64_t round_half_even(double v)
{
    return static_cast<int64_t>(std::nearbyint(v)); // default FE_TONEAREST rounds halves to even
}

} // namespace legacy
