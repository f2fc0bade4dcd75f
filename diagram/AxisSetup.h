#pragma once

class TDiagram;

// The number representations by their item index; other values leave the
// axis as it is.
inline constexpr int AxisFixedPoint = 0;
inline constexpr int AxisIntegerMode = 1;
inline constexpr int AxisHexMode = 2;

// Sets YStep so that a tick falls about every 2400 / `surfaceHeight` units:
// whole units from a ratio of 1 on, fractions below it. A surface without
// height keeps the step.
void ApplyYStepRule(TDiagram& diagram, int numberMode, int surfaceHeight);

// Sets YMin, YMax and HexYLabels for the unit of `numberMode`.
void ApplyAxisRange(TDiagram& diagram, int numberMode);
