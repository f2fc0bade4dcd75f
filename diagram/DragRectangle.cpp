#include "diagram/DragRectangle.h"

#include "diagram/Canvas.h"

QRegion TDragRectangle::Set(const TRect& rect)
{
    // Pixels on both outlines stay inverted; only the others change.
    const QRegion changed = FocusOutline(rect_).xored(FocusOutline(rect));
    rect_ = rect;
    return changed;
}

void TDragRectangle::Draw(TCanvas& canvas) const
{
    canvas.DrawFocusRect(rect_);
}
