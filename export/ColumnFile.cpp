#include "export/ColumnFile.h"

#include "values/WholeFile.h"

#include <cstdlib>

namespace {

constexpr int CellWidth = 10;
constexpr int Decimals = 5;
constexpr std::int64_t DecimalScale = 100000;
constexpr std::int64_t FixedPointOne = 1024;
constexpr char LineEnd[] = "\r\n";

QByteArray HeaderLine(const TExportState& state)
{
    QByteArray line;
    for (int c = 0; c < state.ColumnCount; ++c)
        line += state.ColumnNames[c].toLatin1() + ' ';
    return line + LineEnd;
}

QByteArray DataLine(const TExportState& state, int row)
{
    QByteArray line;
    for (int c = 1; c <= state.ColumnCount; ++c)
        line += FormatColumnCell(state.ColumnTable.Cell(row, c)) + ' ';
    return line + LineEnd;
}

} // namespace

QByteArray ColumnFileBytes(const TExportState& state)
{
    QByteArray bytes = HeaderLine(state);
    for (int row = 1; row <= ColumnRowCount; ++row)
        bytes += DataLine(state, row);
    return bytes;
}

QByteArray FormatColumnCell(std::int32_t cell)
{
    const std::int64_t exact = std::abs(static_cast<std::int64_t>(cell)) * DecimalScale;
    std::int64_t rounded = exact / FixedPointOne;
    if (2 * (exact % FixedPointOne) >= FixedPointOne)
        ++rounded;
    QByteArray text = QByteArray::number(rounded / DecimalScale) + '.' +
        QByteArray::number(rounded % DecimalScale).rightJustified(Decimals, '0');
    if (cell < 0)
        text.prepend('-');
    return text.rightJustified(CellWidth, ' ');
}

void WriteColumnFile(const TExportState& state)
{
    WriteWholeFile(state.ExportFileName, ColumnFileBytes(state));
}
