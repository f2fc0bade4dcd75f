#pragma once

#include "diagram/DragRectangle.h"
#include "diagram/TDiagram.h"
#include "values/NumberFormat.h"

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
    // Scrolls the diagram to the list's top line.
    void Follow(int topIndex);

    [[nodiscard]] int IndexAt(int x) const { return diagram_.IndexAt(x); }
    // A press of the left button: no drag yet.
    void Press();
    // The band from the anchor's column to the column of `index`.
    void DragTo(int index, int anchorIndex);
    // The index the drag ended over, or nothing when there was no drag.
    [[nodiscard]] std::optional<int> FinishDrag();
    [[nodiscard]] bool Dragging() const { return dragColumn_.has_value(); }
    void DrawDragRectangle(TCanvas& canvas) const;

    void SetHover(std::optional<int> index) { hover_ = index; }
    [[nodiscard]] std::optional<int> Hover() const { return hover_; }

    // The whole surface with `scene`, as a picture or a page shows it.
    [[nodiscard]] TDiagramPicture Picture(const TDiagramScene& scene) const;

private:
    void CreateZoomButtons(QWidget* client);
    void ZoomTo(int height, TNumberMode mode);
    [[nodiscard]] int UnzoomedHeight() const;

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
};
