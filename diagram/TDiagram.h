#pragma once

#include "diagram/Rect.h"
#include "diagram/SelectionRuns.h"
#include "values/ValueFile.h"

#include <functional>
#include <vector>

class QWidget;
class TCanvas;

// Maps the value indices (x) and the values in the unit of the number
// representation (y) onto a paint surface. The pixel frame follows the
// surface size; the ranges and steps are set by the owner, followed by
// UpdateScale. Pixel rows grow downwards.
class TDiagram {
public:
    // The surface is not owned; it must outlive the diagram.
    explicit TDiagram(QWidget& paintBox);

    // Recomputes the frame from the surface size and, unless a range is
    // empty, the scales and the origin from the ranges.
    void UpdateScale();

    // Selection marks, axes, arrow heads, ticks and labels. Takes the visible
    // x range from the canvas clip for the curve drawers that follow.
    void DrawFrame(TCanvas& canvas);
    // One short rising stroke per visible value, at value / `divisor`.
    void DrawCurve(TCanvas& canvas, const TValueBuffer& values, double divisor, int color, int width) const;
    // One short flat stroke per visible value, each value read as unsigned 16-bit.
    void DrawCurveUnsigned(TCanvas& canvas, const TValueBuffer& values, int color, int width) const;
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

    QWidget* PaintBox = nullptr;
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

    // The x range inside the clip of the paint in progress; valid from
    // DrawFrame to the end of that paint.
    double VisibleFrom = 0.0;
    double VisibleTo = 0.0;

private:
    void UpdateFrame();
    void TakeVisibleRange(const TRect& clip);
    void DrawSelectionMarks(TCanvas& canvas) const;
    void DrawAxes(TCanvas& canvas) const;
    void DrawXTicks(TCanvas& canvas) const;
    void DrawYTicks(TCanvas& canvas) const;
    void DrawStrokes(TCanvas& canvas, const TValueBuffer& values, int color, int width, int rise,
                     const std::function<int(std::int16_t)>& height) const;
};
