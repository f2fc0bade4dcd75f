#pragma once

#include <QString>

// Longest tick label; longer texts are cut, not rounded.
inline constexpr int TickLabelLength = 7;

// The label of tick number `tick` on an axis with ticks every `step` units:
// empty at the origin, upper-case hexadecimal without prefix when `hex` is
// set, else the general decimal form with the user's decimal separator.
[[nodiscard]] QString TickLabel(int tick, double step, bool hex);
