#include "cli/Commands.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "cli/Console.h"
#include "cli/SameFile.h"
#include "export/ColumnFile.h"
#include "export/RangeExport.h"
#include "export/SiblingName.h"
#include "export/SolarEvaluation.h"
#include "values/IoError.h"
#include "values/PosixFile.h"
#include "values/ValueFile.h"

namespace {

// The window would evaluate the siblings of a mistyped name without a word.
void RequireBaseFile(const QString& path)
{
    if (!IsExistingFile(path))
        throw FileFailure(path, EInOutError(IoCode::FileNotFound));
}

// The result is still written, as in the window, but 99 rows of one base
// file's values are more likely a wrong name than a recording.
void WarnWithoutSiblings(const QString& baseFile)
{
    PrintError(QStringLiteral("Warnung: %1: Keine der Dateien .k1 bis .k%2 gibt es; ihre %2 Zeilen wiederholen die "
                              "Werte der Basisdatei.")
                   .arg(baseFile)
                   .arg(TSolarEvaluation::SiblingCount));
}

[[nodiscard]] QByteArray EvaluationFile(const TChannelTable& channels, const TRequest& request)
{
    TSolarEvaluation evaluation;
    TExportState state;
    try {
        // As a fresh editor holds it: a new document of zeros, and a table of zeros.
        evaluation.Begin(static_cast<int>(request.Inputs.size()), NewDocumentName, TValueBuffer{});
    } catch (const EKoravError&) {
        RethrowAsFailure(NewDocumentName);
    }
    for (const QString& baseFile : request.Inputs) {
        RequireBaseFile(baseFile);
        try {
            if (evaluation.EvaluateRecording(channels, state.ColumnTable, baseFile) == 0)
                WarnWithoutSiblings(baseFile);
        } catch (const EKoravError&) {
            RethrowAsFailure(evaluation.WorkingFileName().value_or(baseFile));
        }
    }
    SetChannelColumns(state, channels);
    return ColumnFileBytes(state);
}

[[nodiscard]] QByteArray RangeFile(const TRequest& request)
{
    TExportState state;
    FillRangeExport(state, ReadValueFile(request.Inputs.front()), request.First, request.Last);
    return ColumnFileBytes(state);
}

// Every file the request reads: each base file with all its siblings, or the
// one value file of a range.
[[nodiscard]] QStringList FilesRead(const TRequest& request)
{
    if (request.Command == TCommand::Range)
        return request.Inputs;
    QStringList files;
    for (const QString& baseFile : request.Inputs) {
        files << baseFile;
        for (int n = 1; n <= TSolarEvaluation::SiblingCount; ++n)
            files << SiblingFileName(baseFile, n);
    }
    return files;
}

[[nodiscard]] QByteArray OutputFile(const TRequest& request)
{
    switch (request.Command) {
    case TCommand::Temperatures: return EvaluationFile(TemperatureChannels, request);
    case TCommand::Energy: return EvaluationFile(EnergyChannels, request);
    case TCommand::Range: return RangeFile(request);
    case TCommand::Help:
    case TCommand::Version:
    case TCommand::Picture:
    case TCommand::Check:
    case TCommand::Bridge: break;
    }
    return {};
}

} // namespace

// A missing file is an error here: the window's open command would leave the
// editor as it was.
TValueBuffer ReadValueFile(const QString& path)
{
    TValueBuffer values{};
    try {
        if (!LoadValueFile(path, values))
            throw EInOutError(IoCode::FileNotFound);
    } catch (const EKoravError&) {
        RethrowAsFailure(path);
    }
    return values;
}

void RunExport(const TRequest& request)
{
    const TCommandOutput output(request.Output);
    RefuseOutputAmongInputs(output, FilesRead(request));
    output.Write(OutputFile(request));
}
