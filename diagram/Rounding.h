#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

// Pixel arithmetic rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// which std::nearbyint does in the default rounding mode; std::round would
// move every tie away from zero and shift points by a pixel. Results outside
// the int range are clamped and NaN gives 0, so a degenerate scale can never
// turn into an undefined conversion.
[[nodiscard]] inline int RoundEven(double value)
{
    const double rounded = std::nearbyint(value);
    if (std::isnan(rounded))
        return 0;
    return static_cast<int>(std::clamp(rounded, double(INT_MIN), double(INT_MAX)));
}

// Cuts the fraction towards zero, with the same protection as RoundEven.
[[nodiscard]] inline int TruncToInt(double value)
{
    const double cut = std::trunc(value);
    if (std::isnan(cut))
        return 0;
    return static_cast<int>(std::clamp(cut, double(INT_MIN), double(INT_MAX)));
}
