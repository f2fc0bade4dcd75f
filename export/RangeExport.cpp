#include "export/RangeExport.h"

#include <algorithm>

void FillRangeExport(TExportState& state, const TValueBuffer& values, int first, int last)
{
    state.ColumnCount = 1;
    state.ColumnNames[0] = QStringLiteral("KORAV");
    state.ColumnTable.Clear();
    if (last < first)
        return;
    // The fields admit 2500 and keep typed values unclamped until they lose
    // the focus, so the pair may name indices the buffer does not have.
    const int from = std::clamp(first, 0, ValueCount - 1);
    const int to = std::min(std::clamp(last, 0, ValueCount - 1), from + ColumnRowCount - 1);
    for (int i = from; i <= to; ++i)
        state.ColumnTable.SetCell(i - from + 1, 1, values[i]);
}
