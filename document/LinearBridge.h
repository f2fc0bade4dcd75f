#pragma once

#include "values/ValueFile.h"

#include <cstdint>
#include <vector>

// The values "Linear verbinden" writes into the ascending `indices`. Every
// run of consecutive indices s..e takes the straight line between its
// neighbours a = value(s - 1) and b = value(e + 1), each value rounded to
// the nearest integer, halves away from zero. A run at the start of the
// buffer takes b throughout, one at its end takes a, and a run over the
// whole buffer keeps its values.
[[nodiscard]] std::vector<std::int16_t> BridgedValues(const TValueBuffer& values, const std::vector<int>& indices);
