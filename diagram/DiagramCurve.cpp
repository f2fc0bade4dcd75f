#include "diagram/TDiagram.h"

#include "diagram/Canvas.h"
#include "diagram/Rounding.h"

#include <algorithm>

namespace {

constexpr int Yellow = 0x00FFFF;
constexpr int High = ValueCount - 1;

}

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

void TDiagram::DrawCurveUnsigned(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values,
                                 int color, int width) const
{
    DrawStrokes(canvas, visible, values, color, width, 0,
                [&](std::int16_t value) { return RoundEven(std::uint16_t(value) * YScale); });
}

void TDiagram::DrawStrokes(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, int color,
                           int width, int rise, const std::function<int(std::int16_t)>& height) const
{
    // The x range is spread over the indices 0 to High, so the visible part
    // never reaches outside the buffer.
    const int from = std::max(TruncToInt((visible.From - XMin) * High / (XMax - XMin)), 0);
    const int to = std::min(TruncToInt((visible.To - XMin) * High / (XMax - XMin)), High);
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
