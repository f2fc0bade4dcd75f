#include "surface/Zoom.h"

#include "surface/Rounding.h"

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

int ZoomInSteps()
{
    int steps = 0;
    for (std::optional<int> height = StartupSurfaceHeight; (height = ZoomInHeight(*height));)
        ++steps;
    return steps;
}

std::optional<int> ZoomedHeight(int steps)
{
    if (steps < 0)
        return std::nullopt;
    std::optional<int> height = StartupSurfaceHeight;
    for (int i = 0; i < steps && height; ++i)
        height = ZoomInHeight(*height);
    return height;
}
