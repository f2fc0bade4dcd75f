#include "export/RangeExport.h"

#include "export/ColumnFile.h"
#include "export/SaveTarget.h"

#include <algorithm>

namespace {

const QString ImageFileFilter = QStringLiteral("Bild-Dateien (*.b*)|*.b*|Alle Dateien (*.*)|*.*");

[[nodiscard]] std::optional<QString> ChooseTarget(const TExportContext& context)
{
    context.Dialog.Filter = ImageFileFilter;
    context.Dialog.FileName.clear();
    return ChooseSaveTarget(context.Windows, context.Dialog);
}

}  // namespace

void PresetRange(TRangeDialog& dialog, const std::optional<TFirstRun>& firstRun)
{
    if (!firstRun)
        return;
    const auto [start, count] = *firstRun;
    dialog.SetFirst(start);
    dialog.SetLast(start + count - 1);
}

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

void RunRangeExport(const TExportContext& context, TRangeDialog& rangeDialog, const TValueBuffer& values,
                    const std::optional<TFirstRun>& firstRun)
{
    PresetRange(rangeDialog, firstRun);
    if (!rangeDialog.Execute())
        return;
    FillRangeExport(context.State, values, rangeDialog.First(), rangeDialog.Last());
    const std::optional<QString> path = ChooseTarget(context);
    if (!path)
        return;
    context.State.ExportFileName = *path;
    WriteColumnFile(context.State);
}
