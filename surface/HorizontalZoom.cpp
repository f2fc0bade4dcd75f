#include "surface/HorizontalZoom.h"

#include <algorithm>
#include <cmath>

namespace {

// One notch of the wheel widens the curve by a quarter.
constexpr double NotchFactor = 1.25;
// Steps beyond this would leave no second tick inside any frame.
constexpr double LargestStep = 1e6;

} // namespace

double XLabelStep(double xScale)
{
    for (double power = 1.0; power <= LargestStep; power *= 10.0)
        for (const double mantissa : {1.0, 2.0, 5.0})
            if (mantissa * power * xScale >= XLabelSpacing)
                return mantissa * power;
    return LargestStep;
}

double ClampedScale(double xScale, double lowest)
{
    return std::clamp(xScale, lowest, std::max(lowest, MaxColumnsPerValue));
}

double WheelZoomScale(double xScale, double notches, double lowest)
{
    return ClampedScale(xScale * std::pow(NotchFactor, notches), lowest);
}

double ScaleForValues(int count, int visibleWidth, double lowest)
{
    return ClampedScale(double(visibleWidth) / std::max(count, 1), lowest);
}
