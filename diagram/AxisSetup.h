#pragma once

#include "values/NumberFormat.h"

class TDiagram;

// Both functions leave the axis as it is for a mode outside the three
// representations.

// Sets YStep so that a tick falls about every 2400 / `surfaceHeight` units:
// whole units from a ratio of 1 on, fractions below it. A surface without
// height keeps the step.
void ApplyYStepRule(TDiagram& diagram, TNumberMode numberMode, int surfaceHeight);

// Sets YMin, YMax and HexYLabels for the unit of `numberMode`.
void ApplyAxisRange(TDiagram& diagram, TNumberMode numberMode);
