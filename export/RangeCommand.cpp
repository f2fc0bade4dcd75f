#include "export/RangeCommand.h"

#include "export/ColumnFile.h"
#include "export/RangeExport.h"
#include "export/SaveTarget.h"

namespace {

const QString ImageFileFilter = QStringLiteral("Bild-Dateien (*.b*)|*.b*|Alle Dateien (*.*)|*.*");

[[nodiscard]] std::optional<QString> ChooseTarget(const TExportContext& context)
{
    context.Dialog.Filter = ImageFileFilter;
    context.Dialog.FileName.clear();
    return ChooseSaveTarget(context.Windows, context.Dialog);
}

} // namespace

void PresetRange(TRangeDialog& dialog, const std::optional<TFirstRun>& firstRun)
{
    if (!firstRun)
        return;
    const auto [start, count] = *firstRun;
    dialog.SetFirst(start);
    dialog.SetLast(start + count - 1);
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
