#include "bench/CommandStart.h"

#include "bench/Expect.h"

#include <QFileInfo>
#include <QProcess>

namespace {

constexpr int ProcessTimeoutMs = 60000;

void RunToEnd(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    Expect(process.waitForFinished(ProcessTimeoutMs) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0,
           "the process " + program.toStdString() + " ends cleanly");
}

} // namespace

TTiming MeasureProcess(const QString& program, const QStringList& arguments, int runs)
{
    return Measure(runs, [&program, &arguments] { RunToEnd(program, arguments); });
}

TTiming MeasureEvaluationCommand(const TRecordings& recordings, const QString& output, int runs)
{
    const QStringList arguments =
        QStringList{QStringLiteral("temperaturen"), QStringLiteral("-o"), output} + recordings.BaseFiles;
    const TTiming timing = MeasureProcess(QStringLiteral(KORAV_AUSWERTUNG), arguments, runs);
    Expect(QFileInfo(output).size() > 0, "the command wrote its output");
    return timing;
}

TTiming MeasureBareStart(int runs)
{
    return MeasureProcess(QStringLiteral(KORAV_BARE_START), {}, runs);
}
