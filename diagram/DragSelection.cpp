#include "diagram/DragSelection.h"

#include "diagram/TDiagram.h"

#include <algorithm>

TRect DragBand(const TDiagram& diagram, int anchorColumn, int column)
{
    return {std::min(anchorColumn, column), diagram.FrameTop, std::max(anchorColumn, column), diagram.FrameBottom};
}

std::vector<int> DragRows(int anchor, int end)
{
    std::vector<int> rows;
    if (anchor < end) {
        for (int row = anchor; row < end; ++row)
            rows.push_back(row);
    } else {
        for (int row = anchor; row >= end; --row)
            rows.push_back(row);
    }
    return rows;
}
