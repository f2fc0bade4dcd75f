#include "cli/RepairCommands.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "cli/Console.h"
#include "cli/Recording.h"
#include "cli/SameFile.h"
#include "document/LinearBridge.h"

#include <cstddef>

namespace {

[[nodiscard]] QString RunLines(const QString& path, const std::vector<TIndexRun>& runs)
{
    QStringList lines;
    lines.reserve(qsizetype(runs.size()));
    for (const TIndexRun& run : runs)
        lines << QStringLiteral("%1: %2-%3").arg(path).arg(run.First).arg(run.Last);
    return lines.join(u'\n');
}

// True when the file has values that meet the condition.
[[nodiscard]] bool CheckFile(const QString& path, const TValueCondition& condition)
{
    const std::vector<int> found = MatchingIndices(ReadRecording(path).Values, condition);
    if (!found.empty())
        PrintOutput(RunLines(path, IndexRuns(found)));
    return !found.empty();
}

// As the window does with every found line selected: all of them would
// have no neighbour to bridge between, and stay as they are.
void BridgeFound(TValueBuffer& values, const std::vector<int>& found)
{
    if (found.empty() || int(found.size()) == ValueCount)
        return;
    const std::vector<std::int16_t> bridged = BridgedValues(values, found);
    for (std::size_t i = 0; i < found.size(); ++i)
        values[std::size_t(found[i])] = bridged[i];
}

} // namespace

int RunCheck(const TRequest& request)
{
    bool found = false;
    bool failed = false;
    for (const QString& path : request.Inputs) {
        try {
            found = CheckFile(path, request.Condition) || found;
        } catch (const ECommandFailure& failure) {
            PrintError(failure.Text());
            failed = true;
        }
    }
    if (failed)
        return ECommandFailure::FileError;
    return found ? SomethingFound : 0;
}

void RunBridge(const TRequest& request)
{
    const QString& input = request.Inputs.front();
    const TCommandOutput output(request.Output);
    if (!request.ReplaceInput)
        RefuseOutputAmongInputs(output, request.Inputs);
    TRecording recording = ReadRecording(input);
    const std::vector<int> found = MatchingIndices(recording.Values, request.Condition);
    // A file replaced in place is left untouched when there is nothing to repair.
    if (found.empty() && request.ReplaceInput)
        return;
    BridgeFound(recording.Values, found);
    output.Write(RecordingBytes(recording));
}
