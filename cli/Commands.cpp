#include "cli/Commands.h"

#include "cli/CommandFailure.h"
#include "cli/CommandWindows.h"
#include "cli/FixedRange.h"
#include "export/RangeExport.h"
#include "export/SolarEvaluation.h"
#include "values/IoError.h"
#include "values/ValueFile.h"

namespace {

// What a fresh editor holds: "Neue Datei" of zeros, and a table of zeros.
const QString NewDocumentName = QStringLiteral("Neue Datei");

void RunEvaluation(const TChannelTable& channels, const TRequest& request)
{
    TCommandWindows windows(request.Inputs, request.Output);
    TFileDialog openDialog;
    TFileDialog saveDialog;
    TExportState state;
    TSolarEvaluation evaluation;
    try {
        evaluation.Evaluate(channels, QString::number(request.Inputs.size()), {windows, openDialog, state},
                            NewDocumentName, TValueBuffer{});
    } catch (const EKoravError&) {
        RethrowAsFailure(evaluation.WorkingFileName().value_or(NewDocumentName));
    }
    try {
        evaluation.Save(channels, {windows, saveDialog, state}, NewDocumentName);
    } catch (const EKoravError&) {
        RethrowAsFailure(request.Output);
    }
}

void RunRange(const TRequest& request)
{
    const TValueBuffer values = ReadValueFile(request.Inputs.front());
    TCommandWindows windows({}, request.Output);
    TFileDialog saveDialog;
    TExportState state;
    TFixedRange range(request.First, request.Last);
    try {
        RunRangeExport({windows, saveDialog, state}, range, values, std::nullopt);
    } catch (const EKoravError&) {
        RethrowAsFailure(request.Output);
    }
}

}  // namespace

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
    switch (request.Command) {
    case TCommand::Temperatures: RunEvaluation(TemperatureChannels, request); break;
    case TCommand::Energy: RunEvaluation(EnergyChannels, request); break;
    case TCommand::Range: RunRange(request); break;
    case TCommand::Help:
    case TCommand::Version:
    case TCommand::Picture: break;
    }
}
