#include "diagram/TDiagram.h"

#include "surface/Rounding.h"

namespace {

constexpr int RightMargin = 40;
constexpr int BottomMargin = 15;
constexpr double Fill = 0.95;

} // namespace

TDiagram::TDiagram(QSize surface)
{
    // The ranges are already in place, so only the frame is taken from the
    // surface here: scales and origin keep their start values until the
    // owner's first UpdateScale.
    UpdateFrame(surface);
}

void TDiagram::UpdateFrame(QSize surface)
{
    FrameRight = surface.width() - RightMargin;
    FrameBottom = surface.height() - BottomMargin;
}

void TDiagram::UpdateScale(QSize surface)
{
    UpdateFrame(surface);
    if (XMax == XMin || YMax == YMin)
        return;
    XScale = XScaleFor(surface.width());
    YScale = (FrameBottom - FrameTop) / (YMax - YMin) * Fill;
    // The origin comes from the plain linear map of the range onto the frame;
    // only the scales carry the headroom.
    OriginX = RoundEven((XMin * FrameRight - XMax * FrameLeft) / (XMin - XMax));
    OriginY = RoundEven((YMin * FrameTop - YMax * FrameBottom) / (YMin - YMax));
}

int TDiagram::IndexAt(int x) const
{
    const double index = std::nearbyint((x - FrameLeft) / XScale);
    if (!(index > 0))
        return 0;
    return index < ValueCount - 1 ? int(index) : ValueCount - 1;
}

int TDiagram::ColumnOf(int index) const
{
    return RoundEven(index * XScale) + FrameLeft;
}

double TDiagram::XScaleFor(int surfaceWidth) const
{
    return (surfaceWidth - RightMargin - FrameLeft) / (XMax - XMin) * Fill;
}

int TDiagram::SurfaceWidthFor(double xScale) const
{
    return RoundEven(xScale / Fill * (XMax - XMin)) + FrameLeft + RightMargin;
}
