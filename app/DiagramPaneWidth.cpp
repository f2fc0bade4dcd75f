#include "app/DiagramPane.h"

#include "controls/PaintBox.h"
#include "diagram/AxisSetup.h"
#include "surface/HorizontalZoom.h"
#include "surface/Zoom.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

void TDiagramPane::SetWidthFit(TWidthFit fit)
{
    widthFit_ = fit;
    FitWidth();
    UpdateScale();
}

void TDiagramPane::ZoomToValues(int first, int last)
{
    const int visible = VisibleWidth();
    SetWidth(diagram_.SurfaceWidthFor(ScaleForValues(last - first + 1, visible, diagram_.XScaleFor(visible))));
    const int middle = (diagram_.ColumnOf(first) + diagram_.ColumnOf(last + 1)) / 2;
    scrollBox_->horizontalScrollBar()->setValue(middle - visible / 2);
}

// The value under the mouse keeps its column in the view, unless the view
// reaches an end of the surface.
void TDiagramPane::WheelZoom(double notches, int x)
{
    QScrollBar* horizontal = scrollBox_->horizontalScrollBar();
    const int index = diagram_.IndexAt(x);
    const int viewX = x - horizontal->value();
    const double lowest = diagram_.XScaleFor(VisibleWidth());
    SetWidth(diagram_.SurfaceWidthFor(WheelZoomScale(diagram_.XScale, notches, lowest)));
    const int position = diagram_.ColumnOf(index) - viewX;
    horizontal->setValue(position);
    SetHover(horizontal->value() == position ? index : diagram_.IndexAt(horizontal->value() + viewX));
}

QRect TDiagramPane::PrintedColumns() const
{
    const QRect surface(QPoint(0, 0), paintBox_->size());
    if (widthFit_ != TWidthFit::Chosen)
        return surface;
    const QRect view(scrollBox_->horizontalScrollBar()->value(), 0, scrollBox_->viewport()->width(), surface.height());
    return view & surface;
}

// A width the user zoomed to that reaches the design width or no longer
// fills the view is that fit, so that a resize keeps it.
void TDiagramPane::SetWidth(int width)
{
    const int visible = VisibleWidth();
    widthFit_ = width <= visible ? TWidthFit::WholeCurve
        : width == SurfaceWidth  ? TWidthFit::Design
                                 : TWidthFit::Chosen;
    paintBox_->resize(std::max(width, visible), paintBox_->height());
    UpdateScale();
}

void TDiagramPane::FitWidth()
{
    const int visible = VisibleWidth();
    if (widthFit_ == TWidthFit::Chosen && paintBox_->width() <= visible)
        widthFit_ = TWidthFit::WholeCurve;
    if (widthFit_ == TWidthFit::Design)
        paintBox_->resize(SurfaceWidth, paintBox_->height());
    else if (widthFit_ == TWidthFit::WholeCurve)
        paintBox_->resize(visible, paintBox_->height());
}

// The view's width without a horizontal scroll bar, less a vertical one
// when the surface is taller than the view.
int TDiagramPane::VisibleWidth() const
{
    const QSize view = scrollBox_->maximumViewportSize();
    const bool verticalBar = paintBox_->height() > view.height();
    const int bar = verticalBar ? scrollBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    return std::max(view.width() - bar, MinSurfaceWidth);
}

void TDiagramPane::UpdateScale()
{
    diagram_.UpdateScale(paintBox_->size());
    ApplyXStepRule(diagram_);
    paintBox_->update();
}
