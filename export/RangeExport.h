#pragma once

#include "export/ExportState.h"
#include "values/ValueFile.h"

// One column "KORAV" holding values first to last, every other cell zero.
// The range is cut to the buffer and to the table's rows first; a last below
// first leaves the column all zero. The window's command (RangeCommand.h)
// and korav-auswertung both fill the table through it.
void FillRangeExport(TExportState& state, const TValueBuffer& values, int first, int last);
