#include "export/SolarEvaluation.h"

#include "winsys/WindowSystem.h"
#include "export/ColumnFile.h"
#include "export/SaveTarget.h"
#include "export/SiblingName.h"
#include "values/Errors.h"
#include "values/NumberFormat.h"

namespace {

const QString ValueFileDefaultExt = QStringLiteral("*.k*");

// A file that does not exist leaves the values as they are, which is what a
// missing sibling or a typed name of no file should do here.
void LoadIfPresent(const QString& name, TValueBuffer& values)
{
    static_cast<void>(LoadValueFile(name, values));
}

}  // namespace

void TSolarEvaluation::Evaluate(const TChannelTable& channels, const QString& countText,
                                const TExportContext& openContext, const QString& documentName,
                                const TValueBuffer& documentValues)
{
    const std::int32_t count = StrToInt(countText);
    if (count > MaxFileCount)
        throw EKoravError(QStringLiteral("Die Solarauswertung fasst höchstens %1 Dateien.").arg(MaxFileCount));
    evaluationFileCount_ = count;
    workingName_ = documentName;
    workingValues_ = documentValues;
    rowOffset_ = 0;
    for (int pass = 0; pass < count; ++pass) {
        ChooseBaseFile(openContext);
        RunPass(channels, openContext.State.ColumnTable);
        rowOffset_ += SiblingCount;
    }
}

void TSolarEvaluation::Save(const TChannelTable& channels, const TExportContext& saveContext,
                            const QString& documentName)
{
    saveContext.Dialog.FileName = workingName_.value_or(documentName);
    const std::optional<QString> path = ChooseSaveTarget(saveContext.Windows, saveContext.Dialog);
    if (!path)
        return;
    TExportState& state = saveContext.State;
    state.ExportFileName = *path;
    state.ColumnCount = MaxColumnCount;
    for (int c = 0; c < MaxColumnCount; ++c)
        state.ColumnNames[c] = QString::fromLatin1(channels[c].Name);
    WriteColumnFile(state);
}

// A cancelled dialog keeps the working name, so the pass runs over the
// siblings of the previous base file again.
void TSolarEvaluation::ChooseBaseFile(const TExportContext& openContext)
{
    TFileDialog& dialog = openContext.Dialog;
    dialog.HideReadOnly = true;
    dialog.Filter = ValueFileFilter;
    dialog.DefaultExt = ValueFileDefaultExt;
    const std::optional<QString> path = openContext.Windows.ExecuteOpen(dialog);
    if (!path)
        return;
    workingName_ = *path;
    LoadIfPresent(*workingName_, workingValues_);
}

void TSolarEvaluation::RunPass(const TChannelTable& channels, TColumnTable& table)
{
    for (int n = 1; n <= SiblingCount; ++n) {
        workingName_ = SiblingFileName(*workingName_, n);
        LoadIfPresent(*workingName_, workingValues_);
        StoreRow(channels, table, rowOffset_ + n);
    }
}

void TSolarEvaluation::StoreRow(const TChannelTable& channels, TColumnTable& table, int row) const
{
    for (int c = 0; c < MaxColumnCount; ++c)
        table.SetCell(row, c + 1, ChannelCell(ChannelSum(workingValues_, channels[c])));
}
