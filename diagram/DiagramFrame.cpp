#include "diagram/TDiagram.h"

#include "diagram/Canvas.h"
#include "diagram/TickLabel.h"
#include "surface/Rounding.h"

#include <QPoint>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int Blue = 0xFF0000;
constexpr int Black = 0x000000;
constexpr int TickHalf = 2;
constexpr int LabelGap = 3;
constexpr int ArrowHalf = 2;
constexpr int ArrowLength = 5;
// A step that would give more ticks than this is not drawn at all; it can
// only come from a degenerate surface size.
constexpr double MaxTicks = 100000.0;

struct TTickRange {
    int First = 0;
    int Last = -1;
};

TTickRange TicksOf(double min, double max, double step)
{
    if (!(step > 0) || !std::isfinite(step) || (max - min) / step > MaxTicks)
        return {};
    return {RoundEven(min / step), RoundEven(max / step)};
}

} // namespace

void TDiagram::DrawFrame(TCanvas& canvas) const
{
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.SetBrushColor(Blue);
    canvas.SetPenColor(Blue);
    DrawSelectionMarks(canvas);
    canvas.SetPenColor(Black);
    canvas.SetBrushColor(Black);
    DrawAxes(canvas);
    canvas.SetBrushStyle(TBrushStyle::Clear);
    DrawXTicks(canvas);
    DrawYTicks(canvas);
}

void TDiagram::DrawSelectionMarks(TCanvas& canvas) const
{
    // A run reaches up to the column of the value after it, and at least
    // one column: values that share a column when the curve is narrow stay
    // marked, and one value zoomed wide gets the band of its columns. At the
    // design width a run of one is the line from FrameTop down it always was.
    for (const TSelectionRun& run : Runs()) {
        const int left = ColumnOf(run.Start);
        canvas.FillRect({left, FrameTop, std::max(ColumnOf(run.Start + run.Count), left + 1), FrameBottom});
    }
}

void TDiagram::DrawAxes(TCanvas& canvas) const
{
    canvas.Line({FrameLeft, OriginY}, {FrameRight, OriginY});
    const std::array xArrow{QPoint(FrameRight, OriginY - ArrowHalf), QPoint(FrameRight, OriginY + ArrowHalf),
                            QPoint(FrameRight + ArrowLength, OriginY)};
    canvas.Polygon(xArrow);
    canvas.Line({OriginX, FrameBottom}, {OriginX, FrameTop});
    const std::array yArrow{QPoint(OriginX - ArrowHalf, FrameTop), QPoint(OriginX + ArrowHalf, FrameTop),
                            QPoint(OriginX, FrameTop - ArrowLength)};
    canvas.Polygon(yArrow);
}

void TDiagram::DrawXTicks(TCanvas& canvas) const
{
    const TTickRange ticks = TicksOf(XMin, XMax, XStep);
    for (int i = ticks.First; i <= ticks.Last; ++i) {
        const int px = RoundEven(i * XStep * XScale) + OriginX;
        if (px <= FrameLeft || px >= FrameRight)
            continue;
        canvas.Line({px, OriginY - TickHalf}, {px, OriginY + TickHalf});
        const QString label = TickLabel(i, XStep, HexXLabels);
        canvas.TextOut(px - canvas.TextWidth(label) / 2, OriginY + LabelGap, label);
    }
}

void TDiagram::DrawYTicks(TCanvas& canvas) const
{
    const TTickRange ticks = TicksOf(YMin, YMax, YStep);
    for (int j = ticks.First; j <= ticks.Last; ++j) {
        const int py = OriginY - RoundEven(j * YStep * YScale);
        if (py <= FrameTop || py >= FrameBottom)
            continue;
        canvas.Line({OriginX - TickHalf, py}, {OriginX + TickHalf, py});
        const QString label = TickLabel(j, YStep, HexYLabels);
        canvas.TextOut(OriginX - LabelGap - canvas.TextWidth(label), py - canvas.TextHeight(label) / 2, label);
    }
}
