#include "diagram/TDiagram.h"

#include "diagram/Canvas.h"
#include "surface/Rounding.h"

#include <algorithm>

namespace {

constexpr int Yellow = 0x00FFFF;
constexpr int High = ValueCount - 1;

} // namespace

TVisibleRange TDiagram::VisibleRange(const TRect& clip) const
{
    return {std::max((clip.Left - FrameLeft) / XScale + XMin, XMin),
            std::min((clip.Right - FrameLeft) / XScale + XMin, XMax)};
}

void TDiagram::DrawCurve(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, double divisor,
                         int color, int width) const
{
    DrawStrokes(canvas, visible, values, color, width, 1,
                [&](std::int16_t value) { return RoundEven(value * YScale / divisor); });
}

void TDiagram::DrawCurveUnsigned(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, int color,
                                 int width) const
{
    DrawStrokes(canvas, visible, values, color, width, 0,
                [&](std::int16_t value) { return RoundEven(std::uint16_t(value) * YScale); });
}

void TDiagram::DrawStrokes(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, int color,
                           int width, int rise, const std::function<int(std::int16_t)>& height) const
{
    // Index i lies at x = XMin + i, so the visible x range is the index
    // range; spreading it over High / (XMax - XMin) would drop the point in
    // the last visible column of some views and strips. A wide pen covers
    // columns beside its point's: the points that close outside still paint
    // into the clip.
    const double reach = (width - 1) / XScale;
    const int from = std::max(TruncToInt(visible.From - XMin - reach), 0);
    const int to = std::min(TruncToInt(visible.To - XMin + reach), High);
    canvas.SetPenColor(color);
    canvas.SetPenWidth(width);
    for (int i = from; i <= to; ++i) {
        const int x = ColumnOf(i);
        const int y = OriginY - height(values[std::size_t(i)]);
        canvas.Line({x, y}, {x + 1, y - rise});
    }
    canvas.SetPenWidth(1);
}

void TDiagram::DrawMeanMarks(TCanvas& canvas, const TRect& clip, const std::function<bool(int)>& isSelected,
                             double meanValue) const
{
    const int from = std::max(TruncToInt((clip.Left - FrameLeft) / XScale), 0);
    const int to = std::min(TruncToInt((clip.Right - FrameLeft) / XScale) + 1, High);
    const int y = OriginY - RoundEven(YScale * meanValue);
    canvas.SetPenColor(Yellow);
    for (int i = from; i <= to; ++i) {
        if (!isSelected(i))
            continue;
        const int x = ColumnOf(i);
        canvas.Line({x, y}, {x + 1, y});
    }
}
