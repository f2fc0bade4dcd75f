#pragma once

#include "values/NumberFormat.h"

#include <QSize>

class TDiagram;

// Both functions leave the axis as it is for a mode outside the three
// representations.

// Sets YStep so that a tick falls about every 2400 / `surfaceHeight` units:
// whole units from a ratio of 1 on, fractions below it. A surface without
// height keeps the step.
void ApplyYStepRule(TDiagram& diagram, TNumberMode numberMode, int surfaceHeight);

// Sets XStep so that the x labels at the present XScale stay apart.
void ApplyXStepRule(TDiagram& diagram);

// Sets YMin, YMax and HexYLabels for the unit of `numberMode`.
void ApplyAxisRange(TDiagram& diagram, TNumberMode numberMode);

// The axis of a surface of `surface` in `numberMode`, with its scale: how
// the window sets the diagram up, for any zoom.
void SetupAxis(TDiagram& diagram, TNumberMode numberMode, QSize surface);
