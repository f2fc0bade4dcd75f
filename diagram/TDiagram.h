#pragma once

#include "diagram/Rect.h"
#include "diagram/SelectionRuns.h"
#include "values/ValueFile.h"

#include <QSize>

#include <functional>
#include <vector>

class TCanvas;

// A part of the x range, in x units; the ends may be fractional.
struct TVisibleRange {
    double From = 0.0;
    double To = 0.0;
};

// Maps the value indices (x) and the values in the unit of the number
// representation (y) onto a paint surface of a given size. The pixel frame
// follows the surface size; the ranges and steps are set by the owner,
// followed by UpdateScale. Pixel rows grow downwards.
class TDiagram {
public:
    explicit TDiagram(QSize surface);

    // Recomputes the frame from the surface size and, unless a range is
    // empty, the scales and the origin from the ranges.
    void UpdateScale(QSize surface);

    // The part of the x range that the pixel columns of `clip` show, within
    // XMin to XMax; the curve drawers visit only the values inside it.
    [[nodiscard]] TVisibleRange VisibleRange(const TRect& clip) const;

    // Selection marks, axes, arrow heads, ticks and labels.
    void DrawFrame(TCanvas& canvas) const;
    // One short rising stroke per value inside `visible`, at value / `divisor`.
    void DrawCurve(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, double divisor, int color,
                   int width) const;
    // One short flat stroke per value inside `visible`, each value read as
    // unsigned 16-bit.
    void DrawCurveUnsigned(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, int color,
                           int width) const;
    // A one-pixel yellow mark at the height `meanValue` over every selected
    // index inside `clip`.
    void DrawMeanMarks(TCanvas& canvas, const TRect& clip, const std::function<bool(int)>& isSelected,
                       double meanValue) const;

    void AddIndex(int index) { SelectionRuns.AddIndex(index); }
    void ClearRuns() { SelectionRuns.Clear(); }
    [[nodiscard]] bool ContainsIndex(int index) const { return SelectionRuns.Contains(index); }
    [[nodiscard]] const std::vector<TSelectionRun>& Runs() const { return SelectionRuns.Runs(); }

    // The value index under pixel column `x`, limited to the buffer.
    [[nodiscard]] int IndexAt(int x) const;
    // The pixel column of value index `index`.
    [[nodiscard]] int ColumnOf(int index) const;
    // The XScale that UpdateScale gives a surface `surfaceWidth` wide, and
    // the width that comes closest to `xScale`: the horizontal zoom is a
    // width of the surface.
    [[nodiscard]] double XScaleFor(int surfaceWidth) const;
    [[nodiscard]] int SurfaceWidthFor(double xScale) const;

    int OriginX = 30;
    int OriginY = 0;
    int FrameRight = 0;
    int FrameTop = 15;
    int FrameLeft = 50;
    int FrameBottom = 0;
    double XMax = 2500.0;
    double YMax = 32.0;
    double XMin = 0.0;
    double YMin = -32.0;
    double XScale = 1.0;
    double YScale = 3.0;
    double XStep = 50.0;
    double YStep = 10.0;
    TSelectionRuns SelectionRuns;
    bool HexXLabels = false;
    bool HexYLabels = false;

private:
    void UpdateFrame(QSize surface);
    void DrawSelectionMarks(TCanvas& canvas) const;
    void DrawAxes(TCanvas& canvas) const;
    void DrawXTicks(TCanvas& canvas) const;
    void DrawYTicks(TCanvas& canvas) const;
    void DrawStrokes(TCanvas& canvas, const TVisibleRange& visible, const TValueBuffer& values, int color, int width,
                     int rise, const std::function<int(std::int16_t)>& height) const;
};
