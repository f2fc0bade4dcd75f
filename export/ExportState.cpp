#include "export/ExportState.h"

#include <algorithm>
#include <stdexcept>

std::int32_t TColumnTable::Cell(int row, int column) const
{
    return cells_[Index(row, column)];
}

void TColumnTable::SetCell(int row, int column, std::int32_t value)
{
    cells_[Index(row, column)] = value;
}

void TColumnTable::Clear()
{
    std::fill(cells_.begin(), cells_.end(), 0);
}

// The producers keep within the table; a cell outside it is a programming
// error that must not overwrite memory.
std::size_t TColumnTable::Index(int row, int column)
{
    if (row < 1 || row > ColumnRowCount || column < 1 || column > MaxColumnCount)
        throw std::out_of_range("column table cell out of range");
    return static_cast<std::size_t>(MaxColumnCount * (row - 1) + (column - 1));
}
