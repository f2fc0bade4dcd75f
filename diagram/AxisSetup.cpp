#include "diagram/AxisSetup.h"

#include "diagram/TDiagram.h"
#include "surface/HorizontalZoom.h"

#include <cmath>

namespace {

// Integer and hexadecimal values are 1024 times the fixed-point ones; their
// ticks use the round thousand nearest to that.
constexpr double WholeStep = 1000.0;

struct TAxisRange {
    double Min = 0.0;
    double Max = 0.0;
    bool Hex = false;
};

} // namespace

void ApplyYStepRule(TDiagram& diagram, TNumberMode numberMode, int surfaceHeight)
{
    if (surfaceHeight <= 0)
        return;
    const double q = 2400.0 / surfaceHeight;
    switch (numberMode) {
    case FixedPoint: diagram.YStep = q < 1 ? q : std::nearbyint(q); break;
    case IntegerMode:
    case HexMode: diagram.YStep = q < 1 ? std::nearbyint(WholeStep * q) : WholeStep * std::nearbyint(q); break;
    default: break;
    }
}

void ApplyXStepRule(TDiagram& diagram)
{
    diagram.XStep = XLabelStep(diagram.XScale);
}

void ApplyAxisRange(TDiagram& diagram, TNumberMode numberMode)
{
    TAxisRange range;
    switch (numberMode) {
    case FixedPoint: range = {-32.0, 32.0, false}; break;
    case IntegerMode: range = {-32000.0, 32000.0, false}; break;
    case HexMode: range = {0.0, 64000.0, true}; break;
    default: return;
    }
    diagram.YMin = range.Min;
    diagram.YMax = range.Max;
    diagram.HexYLabels = range.Hex;
}

void SetupAxis(TDiagram& diagram, TNumberMode numberMode, QSize surface)
{
    ApplyYStepRule(diagram, numberMode, surface.height());
    ApplyAxisRange(diagram, numberMode);
    diagram.UpdateScale(surface);
    ApplyXStepRule(diagram);
}
