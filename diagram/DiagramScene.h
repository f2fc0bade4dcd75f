#pragma once

#include "values/NumberFormat.h"
#include "values/ValueFile.h"

#include <functional>

class TCanvas;
class TDiagram;

// A second recording drawn behind the curve, for comparison.
struct TComparisonCurve {
    const TValueBuffer* Values = nullptr;
    int Color = 0;
};

// The curve's colour in a window just started, as 0x00BBGGRR.
inline constexpr int StartCurveColor = 0x00FF00;

// Everything the diagram surface shows apart from the drag rectangle. The
// window paints it on screen and a picture of the diagram renders the same
// scene, so both show exactly the same pixels.
struct TDiagramScene {
    const TValueBuffer* Values = nullptr;
    TNumberMode Mode = FixedPoint;
    int CurveColor = StartCurveColor;
    int CurveWidth = 1;
    TComparisonCurve Comparison;
    // Mean marks are drawn only with a selection test.
    std::function<bool(int)> IsSelected;
    double MeanValue = 0.0;
};

// Frame, comparison curve, curve and mean marks, within the canvas's clip.
void PaintDiagram(TCanvas& canvas, const TDiagram& diagram, const TDiagramScene& scene);
