#pragma once

#include "diagram/DragRectangle.h"
#include "diagram/TDiagram.h"
#include "values/NumberFormat.h"

#include <QRect>
#include <QSize>

#include <optional>

class QFrame;
class QScrollArea;
class QToolButton;
class QWidget;
class TCanvas;
class TPaintBox;
struct TDiagramPicture;
struct TDiagramScene;

// Whether the panes are laid out anew because the user resized the window,
// which drops the zoom, or because a pane was shown or hidden, which keeps it.
enum class TRelayout { ByUser, PaneToggled };

// How wide the surface is drawn: at the design width, one column per value
// ("Originalgröße"), with the whole curve across the visible width, or at a
// width the user zoomed to.
enum class TWidthFit { Design, WholeCurve, Chosen };

// The diagram in the window: the paint box in its scroll box, the zoom
// buttons, the scales, the zoom and scroll position, the value under the
// mouse and a drag across the diagram.
class TDiagramPane {
public:
    explicit TDiagramPane(QWidget* client);

    [[nodiscard]] TDiagram& Diagram() { return diagram_; }
    [[nodiscard]] const TDiagram& Diagram() const { return diagram_; }
    [[nodiscard]] TPaintBox& PaintBox() const { return *paintBox_; }
    [[nodiscard]] QToolButton& ZoomInButton() const { return *zoomIn_; }
    [[nodiscard]] QToolButton& ZoomOutButton() const { return *zoomOut_; }

    void SetVisible(bool visible);
    void Repaint() const;

    // The scroll box takes `scrollBox`; the surface keeps its zoomed height
    // unless the user resized the window.
    void Relayout(QSize scrollBox, TNumberMode mode, TRelayout cause);
    // The surface at its unzoomed height with the axis of `mode`, no runs.
    void Reset(TNumberMode mode);
    void SetupAxis(TNumberMode mode);
    void ZoomIn(TNumberMode mode);
    void ZoomOut(TNumberMode mode);
    // Scrolls the diagram to the list's top line. Zoomed, only a top line
    // that moved since the last call does: a key released in the list, such
    // as Ctrl after Ctrl and the wheel, leaves the view where the user put it.
    void Follow(int topIndex);

    // The horizontal zoom. It stays while documents are opened and the
    // window is resized; the whole curve fits the visible width anew.
    void SetWidthFit(TWidthFit fit);
    // The values `first` to `last` across the visible width, as far as the
    // zoom reaches, and centred in the view.
    void ZoomToValues(int first, int last);
    // The wheel turned by `notches` over pixel column `x`: the value under
    // the mouse stays where it is, and stays the hovered one.
    void WheelZoom(double notches, int x);
    [[nodiscard]] TWidthFit WidthFit() const { return widthFit_; }
    // The columns a print shows across the page: those in view at a zoom
    // the user chose, else all of them.
    [[nodiscard]] QRect PrintedColumns() const;

    [[nodiscard]] int IndexAt(int x) const { return diagram_.IndexAt(x); }
    // A press of the left button: no drag yet.
    void Press();
    // The band from the anchor's column to the column of `index`.
    void DragTo(int index, int anchorIndex);
    // The index the drag ended over, or nothing when there was no drag.
    [[nodiscard]] std::optional<int> FinishDrag();
    [[nodiscard]] bool Dragging() const { return dragColumn_.has_value(); }
    void DrawDragRectangle(TCanvas& canvas) const;

    // The value under the mouse, marked by a cursor line while the cursor
    // is on.
    void SetHover(std::optional<int> index);
    [[nodiscard]] std::optional<int> Hover() const { return hover_; }
    void SetCursorShown(bool shown);
    void DrawCursor(TCanvas& canvas) const;

    // The whole surface with `scene`, as a picture or a page shows it.
    [[nodiscard]] TDiagramPicture Picture(const TDiagramScene& scene) const;

private:
    void CreateZoomButtons(QWidget* client);
    void ZoomTo(int height, TNumberMode mode);
    [[nodiscard]] int UnzoomedHeight() const;
    void UpdateScale();
    // The width the fit gives the surface at its present height.
    void FitWidth();
    void SetWidth(int width);
    [[nodiscard]] int VisibleWidth() const;
    [[nodiscard]] QRect CursorArea(int index) const;
    void UpdateCursor() const;

    QScrollArea* scrollBox_ = nullptr;
    TPaintBox* paintBox_ = nullptr;
    QFrame* buttonPanel_ = nullptr;
    QToolButton* zoomIn_ = nullptr;
    QToolButton* zoomOut_ = nullptr;
    TDiagram diagram_;
    TDragRectangle dragRectangle_;
    // The column the mouse dragged to last, while a drag is on.
    std::optional<int> dragColumn_;
    std::optional<int> hover_;
    // The list's top line the view followed last; a document starts at 0.
    int followedTop_ = 0;
    bool cursorShown_ = false;
    TWidthFit widthFit_ = TWidthFit::Design;
};
