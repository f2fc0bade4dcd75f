#include "export/SolarEvaluation.h"

#include "export/SiblingName.h"
#include "values/Errors.h"

void TSolarEvaluation::Begin(int count, const QString& documentName, const TValueBuffer& documentValues)
{
    if (count > MaxFileCount)
        throw EKoravError(QStringLiteral("Die Solarauswertung fasst höchstens %1 Dateien.").arg(MaxFileCount));
    evaluationFileCount_ = count;
    workingName_ = documentName;
    workingValues_ = documentValues;
    rowOffset_ = 0;
}

int TSolarEvaluation::EvaluateRecording(const TChannelTable& channels, TColumnTable& table,
                                        const std::optional<QString>& baseFile)
{
    if (baseFile) {
        workingName_ = *baseFile;
        static_cast<void>(LoadWorkingFile());
    }
    int found = 0;
    for (int n = 1; n <= SiblingCount; ++n) {
        workingName_ = SiblingFileName(*workingName_, n);
        if (LoadWorkingFile())
            ++found;
        StoreRow(channels, table, rowOffset_ + n);
    }
    rowOffset_ += SiblingCount;
    return found;
}

// A file that does not exist leaves the values as they are, which is what a
// missing sibling or a typed name of no file should do here.
bool TSolarEvaluation::LoadWorkingFile()
{
    return LoadValueFile(*workingName_, workingValues_);
}

void TSolarEvaluation::StoreRow(const TChannelTable& channels, TColumnTable& table, int row) const
{
    for (int c = 0; c < MaxColumnCount; ++c)
        table.SetCell(row, c + 1, ChannelCell(ChannelSum(workingValues_, channels[c])));
}

void SetChannelColumns(TExportState& state, const TChannelTable& channels)
{
    state.ColumnCount = MaxColumnCount;
    for (int c = 0; c < MaxColumnCount; ++c)
        state.ColumnNames[c] = QString::fromLatin1(channels[c].Name);
}
