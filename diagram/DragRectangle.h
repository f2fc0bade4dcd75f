#pragma once

#include "diagram/Rect.h"

#include <QRegion>

class TCanvas;

// The focus rectangle that follows a drag across the diagram. Qt draws only
// inside paint events, so the rectangle is kept here and drawn by inverting
// pixels at the end of every paint; Set and Clear answer the region whose
// pixels change, so that a move repaints only that.
class TDragRectangle {
public:
    [[nodiscard]] QRegion Set(const TRect& rect);
    [[nodiscard]] QRegion Clear() { return Set({}); }
    void Draw(TCanvas& canvas) const;

private:
    TRect rect_;
};
