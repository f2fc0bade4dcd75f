#include "diagram/Zoom.h"

#include "diagram/Rounding.h"

std::optional<int> ZoomInHeight(int height)
{
    if (height >= ZoomInLimit)
        return std::nullopt;
    return 3 * height / 2;
}

int ZoomOutHeight(int height, int scrollBoxHeight)
{
    const int lowest = scrollBoxHeight - ZoomOutMargin;
    return height > 1.5 * lowest ? 2 * height / 3 : lowest;
}

double ViewCentre(int view, int position, int range)
{
    // An empty content has no height to keep; its middle will do.
    if (range <= 0)
        return 0.5;
    return double(view / 2 + position) / range;
}

int CentredScrollPosition(double centre, int range, int view)
{
    return RoundEven(range * centre) - view / 2;
}
