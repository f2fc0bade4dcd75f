#include "app/DiagramPane.h"

#include "app/Place.h"
#include "controls/PaintBox.h"
#include "diagram/AxisSetup.h"
#include "diagram/Canvas.h"
#include "diagram/DragSelection.h"
#include "picture/DiagramPicture.h"
#include "surface/Zoom.h"

#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

namespace {

// Zoomed, the list's top line follows into the diagram this many columns
// from the left of the view.
constexpr int FollowColumn = 150;
// The cursor line at the value under the mouse, grey on every colour the
// curve and the selection can have.
constexpr int CursorColor = 0x808080;

} // namespace

TDiagramPane::TDiagramPane(QWidget* client)
    : scrollBox_(Place(new QScrollArea(client), "ScrollBox1", 200, 184, 401, 257)), paintBox_(new TPaintBox()),
      diagram_(QSize(SurfaceWidth, UnzoomedHeight()))
{
    scrollBox_->setWidgetResizable(false);
    paintBox_->setObjectName(QStringLiteral("PaintBox1"));
    paintBox_->resize(SurfaceWidth, UnzoomedHeight());
    scrollBox_->setWidget(paintBox_);
    // The diagram is no control of its own: a press on it or on its scroll
    // bars must not take the focus, or a value typed into the entry field
    // would be committed before the press hands the focus back to it.
    for (QWidget* part : {static_cast<QWidget*>(scrollBox_), scrollBox_->viewport(),
                          static_cast<QWidget*>(scrollBox_->horizontalScrollBar()),
                          static_cast<QWidget*>(scrollBox_->verticalScrollBar())})
        part->setFocusPolicy(Qt::NoFocus);
    // Moves without a button tell the status bar what is under the mouse.
    paintBox_->setMouseTracking(true);
    CreateZoomButtons(client);
    SetVisible(false);
}

void TDiagramPane::CreateZoomButtons(QWidget* client)
{
    buttonPanel_ = Place(new QFrame(client), "Panel1", 202, 158, 47, 22);
    buttonPanel_->setFrameShape(QFrame::Panel);
    buttonPanel_->setFrameShadow(QFrame::Raised);
    zoomIn_ = Place(new QToolButton(buttonPanel_), "SpeedButton1", 0, 0, 23, 22);
    zoomIn_->setText(QStringLiteral("+"));
    zoomOut_ = Place(new QToolButton(buttonPanel_), "SpeedButton2", 24, 0, 23, 22);
    zoomOut_->setText(QStringLiteral("-"));
}

void TDiagramPane::SetVisible(bool visible)
{
    scrollBox_->setVisible(visible);
    buttonPanel_->setVisible(visible);
}

void TDiagramPane::Repaint() const
{
    paintBox_->update();
}

int TDiagramPane::UnzoomedHeight() const
{
    return scrollBox_->height() - ZoomOutMargin;
}

// A resize that leaves the scroll box as it was is no resize of the user's
// either: the window only grew by a pane of its own, such as the status bar.
void TDiagramPane::Relayout(QSize scrollBox, TNumberMode mode, TRelayout cause)
{
    const bool zoomed = paintBox_->height() != UnzoomedHeight();
    const bool keepZoom = zoomed && (cause == TRelayout::PaneToggled || scrollBox == scrollBox_->size());
    scrollBox_->resize(scrollBox);
    if (!keepZoom)
        paintBox_->resize(paintBox_->width(), UnzoomedHeight());
    FitWidth();
    SetupAxis(mode);
}

void TDiagramPane::Reset(TNumberMode mode)
{
    diagram_.ClearRuns();
    followedTop_ = 0;
    paintBox_->resize(paintBox_->width(), UnzoomedHeight());
    FitWidth();
    SetupAxis(mode);
}

void TDiagramPane::SetupAxis(TNumberMode mode)
{
    ::SetupAxis(diagram_, mode, paintBox_->size());
    paintBox_->update();
}

void TDiagramPane::ZoomTo(int height, TNumberMode mode)
{
    QScrollBar* vertical = scrollBox_->verticalScrollBar();
    const int view = scrollBox_->height() - scrollBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double centre = ViewCentre(view, vertical->value(), paintBox_->height());
    paintBox_->resize(paintBox_->width(), height);
    vertical->setValue(CentredScrollPosition(centre, height, view));
    ApplyYStepRule(diagram_, mode, height);
    // The whole curve makes room for a vertical scroll bar, or takes back
    // the room of one gone.
    FitWidth();
    UpdateScale();
}

void TDiagramPane::ZoomIn(TNumberMode mode)
{
    if (const std::optional<int> height = ZoomInHeight(paintBox_->height()))
        ZoomTo(*height, mode);
}

void TDiagramPane::ZoomOut(TNumberMode mode)
{
    ZoomTo(ZoomOutHeight(paintBox_->height(), scrollBox_->height()), mode);
}

// At the design width the top line's value comes about 150 columns into
// the view, less as the lines go on; zoomed, exactly there.
void TDiagramPane::Follow(int topIndex)
{
    if (widthFit_ != TWidthFit::Design && topIndex == followedTop_)
        return;
    followedTop_ = topIndex;
    const int position = widthFit_ == TWidthFit::Design ? topIndex - 100 : diagram_.ColumnOf(topIndex) - FollowColumn;
    scrollBox_->horizontalScrollBar()->setValue(position);
}

void TDiagramPane::Press()
{
    dragColumn_.reset();
}

void TDiagramPane::DragTo(int index, int anchorIndex)
{
    dragColumn_ = diagram_.ColumnOf(index);
    paintBox_->update(dragRectangle_.Set(DragBand(diagram_, diagram_.ColumnOf(anchorIndex), *dragColumn_)));
}

std::optional<int> TDiagramPane::FinishDrag()
{
    // A finished drag is over: a later release of another button must not
    // select again.
    const std::optional<int> column = std::exchange(dragColumn_, std::nullopt);
    if (!column)
        return std::nullopt;
    paintBox_->update(dragRectangle_.Clear());
    return diagram_.IndexAt(*column);
}

void TDiagramPane::DrawDragRectangle(TCanvas& canvas) const
{
    dragRectangle_.Draw(canvas);
}

void TDiagramPane::SetHover(std::optional<int> index)
{
    if (index == hover_)
        return;
    UpdateCursor();
    hover_ = index;
    UpdateCursor();
}

void TDiagramPane::SetCursorShown(bool shown)
{
    UpdateCursor();
    cursorShown_ = shown;
    UpdateCursor();
}

void TDiagramPane::UpdateCursor() const
{
    if (cursorShown_ && hover_)
        paintBox_->update(CursorArea(*hover_));
}

QRect TDiagramPane::CursorArea(int index) const
{
    return {diagram_.ColumnOf(index), diagram_.FrameTop, 1, diagram_.FrameBottom - diagram_.FrameTop};
}

void TDiagramPane::DrawCursor(TCanvas& canvas) const
{
    if (!cursorShown_ || !hover_)
        return;
    const int column = diagram_.ColumnOf(*hover_);
    canvas.SetPenColor(CursorColor);
    canvas.Line({column, diagram_.FrameTop}, {column, diagram_.FrameBottom});
}

TDiagramPicture TDiagramPane::Picture(const TDiagramScene& scene) const
{
    return {&diagram_, scene, paintBox_->size(), paintBox_->palette().color(paintBox_->backgroundRole()),
            paintBox_->font()};
}
