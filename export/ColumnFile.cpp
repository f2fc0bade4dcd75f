#include "export/ColumnFile.h"

#include "values/IoError.h"
#include "values/PosixFile.h"

#include <QSaveFile>

#include <cerrno>
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

QByteArray ColumnFileBytes(const TExportState& state)
{
    QByteArray bytes = HeaderLine(state);
    for (int row = 1; row <= ColumnRowCount; ++row)
        bytes += DataLine(state, row);
    return bytes;
}

// Qt leaves errno as the failing system call set it; a check Qt makes by
// itself (a folder as target) fails with errno still 0.
[[noreturn]] void throwLastError(const QString& path, int fallback)
{
    ThrowIoError(errno != 0 ? errno : fallback, path);
}

void WriteReplacing(const QString& path, const QByteArray& bytes)
{
    if (!IsUsableFileName(path))
        throw EInOutError(IoCode::InvalidName);
    // The permission bits are checked here because root would replace the
    // file regardless of them.
    if (IsReadOnlyFile(path))
        throw EInOutError(IoCode::NotOpenForOutput);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwLastError(path, EISDIR);
    errno = 0;
    if (file.write(bytes) != bytes.size())
        throwLastError(path, ENOSPC);
    errno = 0;
    if (!file.commit())
        throwLastError(path, EIO);
}

}  // namespace

QByteArray FormatColumnCell(std::int32_t cell)
{
    const std::int64_t exact = std::abs(static_cast<std::int64_t>(cell)) * DecimalScale;
    std::int64_t rounded = exact / FixedPointOne;
    if (2 * (exact % FixedPointOne) >= FixedPointOne)
        ++rounded;
    QByteArray text = QByteArray::number(rounded / DecimalScale) + '.'
                      + QByteArray::number(rounded % DecimalScale).rightJustified(Decimals, '0');
    if (cell < 0)
        text.prepend('-');
    return text.rightJustified(CellWidth, ' ');
}

void WriteColumnFile(const TExportState& state)
{
    WriteReplacing(state.ExportFileName, ColumnFileBytes(state));
}
