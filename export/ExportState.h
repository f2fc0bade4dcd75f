#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int ColumnRowCount = 1200;
constexpr int MaxColumnCount = 8;

// The numbers the exports write, in units of 1/1024. Rows 1 to 1200 and
// columns 1 to 8 count from 1, as the producers number them; the cells lie
// in one row-major block that starts out all zero.
class TColumnTable {
public:
    [[nodiscard]] std::int32_t Cell(int row, int column) const;
    void SetCell(int row, int column, std::int32_t value);
    void Clear();

private:
    [[nodiscard]] static std::size_t Index(int row, int column);

    std::vector<std::int32_t> cells_ = std::vector<std::int32_t>(ColumnRowCount * MaxColumnCount);
};

// Shared by the range export and the solar evaluation and never cleared as a
// whole: what one producer leaves behind is what the next save writes.
struct TExportState {
    TColumnTable ColumnTable;
    // Entry c - 1 heads column c; at most 8 single-byte characters each.
    std::array<QString, MaxColumnCount> ColumnNames;
    int ColumnCount = 0;
    QString ExportFileName;
};
