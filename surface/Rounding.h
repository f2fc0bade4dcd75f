#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

// Pixel arithmetic rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// which std::nearbyint does in the default rounding mode; std::round would
// move every tie away from zero and shift points by a pixel. Results outside
// the int range are clamped and NaN gives 0, so a degenerate scale can never
// turn into an undefined conversion.
// A whole-numbered double as an int, clamped into the int range, NaN as 0.
[[nodiscard]] inline int SaturatedInt(double whole)
{
    if (std::isnan(whole))
        return 0;
    return static_cast<int>(std::clamp(whole, double(INT_MIN), double(INT_MAX)));
}

[[nodiscard]] inline int RoundEven(double value)
{
    return SaturatedInt(std::nearbyint(value));
}

// Cuts the fraction towards zero, with the same protection as RoundEven.
[[nodiscard]] inline int TruncToInt(double value)
{
    return SaturatedInt(std::trunc(value));
}
