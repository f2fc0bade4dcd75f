#include "kurven/CurveColors.h"

std::optional<int> CurveColorOfItem(int item)
{
    if (item < 0 || item >= int(CurveColors.size()))
        return std::nullopt;
    return CurveColors[std::size_t(item)].Color;
}
