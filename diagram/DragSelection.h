#pragma once

#include "diagram/Rect.h"

#include <vector>

class TDiagram;

// The band of the frame between two pixel columns, in either order.
[[nodiscard]] TRect DragBand(const TDiagram& diagram, int anchorColumn, int column);

// The rows a drag selects at its release, in the order they are selected:
// from the anchor up to just before the end index, or down to and including
// it.
[[nodiscard]] std::vector<int> DragRows(int anchor, int end);
