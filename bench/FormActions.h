#pragma once

#include "bench/Timing.h"

class TBenchForm;

// The user's actions on the main window, each timed together with the
// paints it causes. Each leaves the form ready for the next.

// "Öffnen..." of a value file until the list is filled and the diagram painted.
[[nodiscard]] TTiming MeasureOpen(TBenchForm& bench, int runs);
// A click on another number representation with all 2500 lines selected.
[[nodiscard]] TTiming MeasureModeChange(TBenchForm& bench, int runs);
// Enter after a value typed into the entry field, with all lines selected.
[[nodiscard]] TTiming MeasureCommit(TBenchForm& bench, int runs);
// "Speichern" of the open document after a commit changed all its values,
// the flush to the disk included.
[[nodiscard]] TTiming MeasureSave(TBenchForm& bench, int runs);
// One mouse move of a drag across the visible part of the diagram.
[[nodiscard]] TTiming MeasureDragMove(TBenchForm& bench, int runs);
// The whole diagram surface, all 2600 pixels wide at its present height,
// painted into an image by the handler its paint events run.
[[nodiscard]] TTiming MeasureFullRepaint(TBenchForm& bench, int runs);
// The same surface through QWidget::render, which adds Qt's own work for a
// widget of that size; the editor itself only ever paints what is in view.
[[nodiscard]] TTiming MeasureWidgetRender(TBenchForm& bench, int runs);

// "Linear verbinden" over every line but the first and the last, which are
// the neighbours; the list, the diagram and the mean follow.
[[nodiscard]] TTiming MeasureBridge(TBenchForm& bench, int runs);
// The full repaint with a comparison curve loaded behind the curve.
[[nodiscard]] TTiming MeasureComparisonRepaint(TBenchForm& bench, int runs);
// A mouse move over the diagram without a button, which the shown status
// bar follows with the value under the mouse.
[[nodiscard]] TTiming MeasureStatusHover(TBenchForm& bench, int runs);
// One notch of the wheel with Ctrl over the middle of the view, in and out
// by turns: the horizontal zoom around the value under the mouse and the
// repaint of the view.
[[nodiscard]] TTiming MeasureWheelStep(TBenchForm& bench, int runs);
