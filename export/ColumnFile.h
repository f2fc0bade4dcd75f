#pragma once

#include "export/ExportState.h"

#include <QByteArray>

#include <cstdint>

// The cell as cell / 1024 with five decimals and "." whatever the locale,
// an exact decimal half rounded away from zero, right-aligned in 10
// characters; a longer text is kept whole.
[[nodiscard]] QByteArray FormatColumnCell(std::int32_t cell);

// The header of the first ColumnCount names and all 1200 rows, lines ended
// by CR LF.
[[nodiscard]] QByteArray ColumnFileBytes(const TExportState& state);

// Writes ColumnFileBytes to ExportFileName through WriteWholeFile, by the
// rules of every output: a regular target is replaced only once the new file
// is complete, so a failure leaves any old file as it was; a file that other
// names share, or whose owner a replacement would not keep, is written in
// place; a pipe or a device is written directly, and a pipe that nobody
// reads fails at once instead of freezing the window. Throws EInOutError; a
// target without write permission fails with code 105.
void WriteColumnFile(const TExportState& state);
