#include "diagram/DiagramScene.h"

#include "diagram/Canvas.h"
#include "diagram/TDiagram.h"

namespace {

void DrawValues(TCanvas& canvas, const TDiagram& diagram, const TVisibleRange& visible, const TValueBuffer& values,
                TNumberMode mode, int color, int width)
{
    switch (mode) {
    case FixedPoint: diagram.DrawCurve(canvas, visible, values, 1024.0, color, width); break;
    case IntegerMode: diagram.DrawCurve(canvas, visible, values, 1.0, color, width); break;
    case HexMode: diagram.DrawCurveUnsigned(canvas, visible, values, color, width); break;
    }
}

} // namespace

void PaintDiagram(TCanvas& canvas, const TDiagram& diagram, const TDiagramScene& scene)
{
    diagram.DrawFrame(canvas);
    const TVisibleRange visible = diagram.VisibleRange(canvas.ClipRect());
    if (scene.Comparison.Values)
        DrawValues(canvas, diagram, visible, *scene.Comparison.Values, scene.Mode, scene.Comparison.Color,
                   scene.CurveWidth);
    DrawValues(canvas, diagram, visible, *scene.Values, scene.Mode, scene.CurveColor, scene.CurveWidth);
    if (scene.IsSelected)
        diagram.DrawMeanMarks(canvas, canvas.ClipRect(), scene.IsSelected, scene.MeanValue);
}
