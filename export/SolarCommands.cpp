#include "export/SolarCommands.h"

#include "export/ColumnFile.h"
#include "export/SaveTarget.h"
#include "values/NumberFormat.h"

namespace {

const QString ValueFileDefaultExt = QStringLiteral("*.k*");

[[nodiscard]] std::optional<QString> ChooseBaseFile(const TExportContext& openContext)
{
    TFileDialog& dialog = openContext.Dialog;
    dialog.HideReadOnly = true;
    dialog.Filter = ValueFileFilter;
    dialog.DefaultExt = ValueFileDefaultExt;
    return openContext.Windows.ExecuteOpen(dialog);
}

} // namespace

void RunSolarEvaluation(TSolarEvaluation& evaluation, const TChannelTable& channels, const QString& countText,
                        const TExportContext& openContext, const QString& documentName,
                        const TValueBuffer& documentValues)
{
    const std::int32_t count = StrToInt(countText);
    evaluation.Begin(count, documentName, documentValues);
    for (int pass = 0; pass < count; ++pass)
        static_cast<void>(
            evaluation.EvaluateRecording(channels, openContext.State.ColumnTable, ChooseBaseFile(openContext)));
}

void SaveSolarEvaluation(const TSolarEvaluation& evaluation, const TChannelTable& channels,
                         const TExportContext& saveContext, const QString& documentName)
{
    saveContext.Dialog.FileName = evaluation.SaveName(documentName);
    const std::optional<QString> path = ChooseSaveTarget(saveContext.Windows, saveContext.Dialog);
    if (!path)
        return;
    saveContext.State.ExportFileName = *path;
    SetChannelColumns(saveContext.State, channels);
    WriteColumnFile(saveContext.State);
}
