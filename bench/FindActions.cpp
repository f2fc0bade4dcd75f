#include "bench/FindActions.h"

#include "bench/BenchForm.h"
#include "bench/Expect.h"
#include "bench/PaintWatcher.h"
#include "bedingung/BedingungDlg.h"
#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "coresupport/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

namespace {

constexpr double FrameTargetMs = 16.0;
constexpr double ProcessTargetFactor = 1.5;
constexpr int RecordingCount = 1000;

// Every other value is the error value 0: the dearest selection, 1250 runs.
TValueBuffer EveryOtherZero()
{
    TValueBuffer values{};
    for (int i = 0; i < ValueCount; ++i)
        values[std::size_t(i)] = std::int16_t(i % 2 == 0 ? 0 : 100 + i);
    return values;
}

// From the click on OK until the list, the diagram, the mean and the status
// bar show the 1250 runs found.
TTiming MeasureConditionSelection(TBenchForm& bench, int runs)
{
    WriteValues(bench.Path(QStringLiteral("fehler.kos")), EveryOtherZero());
    bench.Open(bench.Path(QStringLiteral("fehler.kos")));
    auto* dialog = bench.Form->findChild<TBedingungDlg*>(QStringLiteral("BedingungDlg"));
    dialog->Edit4->setText(QStringLiteral("0"));
    dialog->RadioButton3->setChecked(true);
    TPaintWatcher diagramPaints(bench.Ui.PaintBox1);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        QTimer::singleShot(0, dialog, [&clock, dialog] {
            clock.start();
            dialog->OKBtn->click();
        });
        bench.Form->findChild<QAction*>(QStringLiteral("AuswahlnachBedingung1"))->trigger();
        bench.Settle();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    Expect(bench.Form->SelectedLines().size() == ValueCount / 2, "every other line is selected");
    Expect(diagramPaints.Paints() >= runs, "every run paints the diagram");
    bench.Ui.ListBox1->selectionModel()->clearSelection();
    bench.Settle();
    return TTiming(times);
}

// A process from its start to its end, its output thrown away.
TTiming MeasureQuietProcess(const QString& program, const QStringList& arguments, int runs)
{
    return Measure(runs, [&program, &arguments] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        Expect(process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                   process.exitCode() == 0,
               "the process " + program.toStdString() + " ends cleanly");
    });
}

QStringList WriteRecordingFolder(const QString& folder)
{
    QDir().mkpath(folder);
    TValueBuffer values = EveryOtherZero();
    QStringList files;
    for (int n = 0; n < RecordingCount; ++n) {
        values[0] = std::int16_t(n);
        files << QDir(folder).filePath(QStringLiteral("aufnahme%1.kos").arg(n, 4, 10, QChar(u'0')));
        WriteValues(files.back(), values);
    }
    return files;
}

double Target(const TTiming& reference)
{
    return std::floor(10.0 * ProcessTargetFactor * reference.Median()) / 10.0;
}

} // namespace

std::vector<TRow> MeasureFinding(TBenchForm& bench, int actionRuns, int processRuns)
{
    std::vector<TRow> rows;
    rows.push_back(TimedRow(QStringLiteral("\"Auswahl nach Bedingung\", 1250 runs found and shown"),
                            MeasureConditionSelection(bench, actionRuns), FrameTargetMs));
    const QString command = QStringLiteral(KORAV_AUSWERTUNG);
    // The check finds nothing, as in most good recordings, and reads every file.
    const QStringList files = WriteRecordingFolder(bench.Path(QStringLiteral("ordner")));
    const TTiming cat = MeasureQuietProcess(QStringLiteral("cat"), files, processRuns);
    const QStringList check{QStringLiteral("pruefen"), QStringLiteral("--darstellung"), QStringLiteral("ganzzahl"),
                            QStringLiteral("--gleich"), QStringLiteral("-32768")};
    rows.push_back(
        TimedRow(QStringLiteral("korav-auswertung pruefen, %1 recordings (whole process)").arg(RecordingCount),
                 MeasureQuietProcess(command, check + files, processRuns), Target(cat)));
    rows.push_back(ReferenceRow(QStringLiteral("cat of the same %1 files").arg(RecordingCount), cat));
    const TTiming bare = MeasureQuietProcess(command, {QStringLiteral("--version")}, processRuns);
    const QStringList bridge{QStringLiteral("verbinden"),
                             QStringLiteral("--darstellung"),
                             QStringLiteral("ganzzahl"),
                             QStringLiteral("--gleich"),
                             QStringLiteral("0"),
                             QStringLiteral("-o"),
                             bench.Path(QStringLiteral("verbunden.kos")),
                             files.front()};
    rows.push_back(TimedRow(QStringLiteral("korav-auswertung verbinden, 1250 runs of one recording (whole process)"),
                            MeasureQuietProcess(command, bridge, processRuns), Target(bare)));
    rows.push_back(ReferenceRow(QStringLiteral("bare start of the command (korav-auswertung --version)"), bare));
    return rows;
}
