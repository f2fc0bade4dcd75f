#pragma once

#include "export/ExportContext.h"
#include "export/RangeDialog.h"
#include "values/ValueFile.h"

#include <optional>
#include <utility>

// Start and Count of the first run of the selection.
using TFirstRun = std::pair<int, int>;

// Sets the first field, then the last one. The order matters: setting the
// first field re-bounds the last one, and the bounds left by the previous
// use apply to the first setting. Without a run the fields keep their values.
void PresetRange(TRangeDialog& dialog, const std::optional<TFirstRun>& firstRun);

// The whole "&Grafik speichern..." command: preset, range dialog, export
// state, save dialog with the overwrite question, the write. Errors of the
// write propagate to the caller.
void RunRangeExport(const TExportContext& context, TRangeDialog& rangeDialog, const TValueBuffer& values,
                    const std::optional<TFirstRun>& firstRun);
