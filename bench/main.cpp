#include "bench/BenchForm.h"
#include "bench/CommandStart.h"
#include "bench/Expect.h"
#include "bench/FileActions.h"
#include "bench/FindActions.h"
#include "bench/FormActions.h"
#include "bench/HistoryActions.h"
#include "bench/PeakMemory.h"
#include "bench/PictureActions.h"
#include "bench/Report.h"
#include "bench/Startup.h"
#include "controls/PaintBox.h"
#include "export/SolarEvaluation.h"
#include "surface/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <exception>

namespace {

// What the editor has to achieve on a 2-core machine.
constexpr double ActionTargetMs = 50.0;
constexpr double StartupTargetMs = 500.0;
constexpr double MemoryTargetMegabytes = 80.0;
// An undo must land within one frame of a 60 Hz screen.
constexpr double FrameTargetMs = 16.0;
// The status bar follows the mouse without holding it back.
constexpr double HoverTargetMs = 2.0;
// A full history of commits into every line may take this much heap.
constexpr int HistorySteps = 1000;
constexpr double HistoryTargetMegabytes = 10.0;
// The evaluation command does the window's evaluation and the save of its
// table after a process start of its own, and may take half as long again
// as the three together.
constexpr double CommandTargetFactor = 1.5;

// A picture of the whole diagram, even at its largest zoom, is written
// while the user still waits for it.
constexpr double PictureTargetMs = 500.0;
// A picture of the whole curve as wide as a report's page at 200 dpi.
constexpr int ReportPictureWidth = 1600;

// Enough runs for a steady median, few enough to keep the whole run short.
constexpr int StartupRuns = 10;
constexpr int ActionRuns = 25;
constexpr int DragMoves = 20;
constexpr int SlowRuns = 9;

struct TReport {
    std::vector<TRow> Rows;
    QStringList Notes;
};

QString Ratio(double part, double whole)
{
    return QString::number(part / whole, 'f', 2);
}

QString Percent(double part, double whole)
{
    return QString::number(100.0 * part / whole, 'f', 0) + QStringLiteral(" %");
}

// The mean view is on throughout: every selection then also computes and
// draws the mean, the dearer case.
void MeasureEditing(TBenchForm& bench, TReport& report)
{
    report.Rows.push_back(TimedRow(QStringLiteral("open a file (list filled, diagram painted)"),
                                   MeasureOpen(bench, ActionRuns), ActionTargetMs));
    bench.Ui.Mittelwert1->trigger();
    Expect(bench.Ui.Mittelwert1->isChecked(), "the mean view is on");
    report.Rows.push_back(TimedRow(QStringLiteral("mode change, 2500 lines selected"),
                                   MeasureModeChange(bench, ActionRuns), ActionTargetMs));
    report.Rows.push_back(TimedRow(QStringLiteral("commit a typed value, 2500 lines selected"),
                                   MeasureCommit(bench, ActionRuns), ActionTargetMs));
    report.Rows.push_back(
        TimedRow(QStringLiteral("undo of a commit of 2500 values"), MeasureUndo(bench, ActionRuns), FrameTargetMs));
    report.Rows.push_back(TimedRow(QStringLiteral("\"Linear verbinden\", 2498 lines between their neighbours"),
                                   MeasureBridge(bench, ActionRuns), FrameTargetMs));
    report.Rows.push_back(TimedRow(QStringLiteral("save of a changed document (flushed to the disk)"),
                                   MeasureSave(bench, ActionRuns), FrameTargetMs));
}

// The target follows this machine: the window's evaluation, the write of its
// table and a bare start, all measured here (medians), cut down to a tenth
// of a millisecond.
void MeasureCommand(TReport& report, const TRecordings& recordings, const TTiming& evaluation,
                    const TTiming& columnWrite, const QString& folder)
{
    const TTiming bare = MeasureBareStart(StartupRuns);
    const TTiming command =
        MeasureEvaluationCommand(recordings, QDir(folder).filePath(QStringLiteral("auswertung.txt")), StartupRuns);
    const double sameWork = evaluation.Median() + columnWrite.Median() + bare.Median();
    const double target = std::floor(10.0 * CommandTargetFactor * sameWork) / 10.0;
    report.Rows.push_back(TimedRow(QStringLiteral("korav-auswertung temperaturen, %1 × 99 siblings (whole process)")
                                       .arg(recordings.BaseFiles.size()),
                                   command, target));
    report.Rows.push_back(ReferenceRow(QStringLiteral("start of a bare Qt core program"), bare));
    report.Notes << QStringLiteral("The command's target is %1 times the window's evaluation, the column file write "
                                   "and a bare start together (medians); it takes %2 times their sum, and %3 times "
                                   "the evaluation and a bare start alone.")
                        .arg(CommandTargetFactor)
                        .arg(Ratio(command.Median(), sameWork))
                        .arg(Ratio(command.Median(), evaluation.Median() + bare.Median()));
}

// The picture command against what it cannot avoid: a GUI program's start
// and the drawing and encoding of the picture, at its defaults and at a
// report's width.
void MeasurePictureCommandRows(TBenchForm& bench, TReport& report)
{
    const QString input = bench.WriteValueFile(QStringLiteral("bild.kos"), -32768, 26);
    const TTiming bare = MeasureBareGuiStart(StartupRuns);
    for (const int width : {SurfaceWidth, ReportPictureWidth}) {
        const TTiming render = MeasureStartupPictureRender(input, width, StartupRuns);
        const TTiming command =
            MeasurePictureCommand(input, bench.Path(QStringLiteral("bild.png")), width, StartupRuns);
        const double sameWork = bare.Median() + render.Median();
        const double target = std::floor(10.0 * CommandTargetFactor * sameWork) / 10.0;
        const QString options = width == SurfaceWidth ? QString() : QStringLiteral(" --breite %1").arg(width);
        report.Rows.push_back(
            TimedRow(QStringLiteral("korav-auswertung bild%1, %2 × 237 px PNG (whole process)").arg(options).arg(width),
                     command, target));
        if (width == SurfaceWidth)
            report.Rows.push_back(ReferenceRow(QStringLiteral("start of a bare Qt GUI program (offscreen)"), bare));
        report.Rows.push_back(ReferenceRow(QStringLiteral("the same picture drawn and encoded alone"), render));
        report.Notes << QStringLiteral("The picture command's target%1 is %2 times a bare GUI start and the render "
                                       "together (medians); it takes %3 times their sum.")
                            .arg(options.isEmpty() ? QString() : QStringLiteral(" with") + options)
                            .arg(CommandTargetFactor)
                            .arg(Ratio(command.Median(), sameWork));
    }
}

void MeasureFiles(TBenchForm& bench, TReport& report)
{
    const TTiming columnWrite = MeasureColumnFileWrite(bench.Dir.path(), ActionRuns);
    report.Rows.push_back(TimedRow(QStringLiteral("column file write (8 × 1200)"), columnWrite, ActionTargetMs));
    // As many recordings as one evaluation takes: 12 passes of 99 siblings.
    const TRecordings recordings = WriteRecordings(bench.Dir.path(), TSolarEvaluation::MaxFileCount);
    const TTiming evaluation = MeasureEvaluation(bench, recordings, SlowRuns);
    const TTiming plainRead = MeasurePlainRead(recordings, SlowRuns);
    report.Rows.push_back(
        TimedRow(QStringLiteral("evaluation \"Temperaturen\", %1 × 99 siblings").arg(recordings.BaseFiles.size()),
                 evaluation, ActionTargetMs));
    report.Rows.push_back(
        ReferenceRow(QStringLiteral("plain read of the same %1 files").arg(recordings.Siblings.size()), plainRead));
    report.Notes << QStringLiteral("The evaluation takes %1 times a plain read of its siblings (medians).")
                        .arg(Ratio(evaluation.Median(), plainRead.Median()));
    MeasureCommand(report, recordings, evaluation, columnWrite, bench.Dir.path());
    MeasurePictureCommandRows(bench, report);
}

TTiming MeasureRepaint(TBenchForm& bench, TReport& report, int runs, const QString& zoom)
{
    const TTiming timing = MeasureFullRepaint(bench, runs);
    report.Rows.push_back(
        TimedRow(QStringLiteral("full repaint 2600 × %1 px (%2)").arg(bench.Ui.PaintBox1->height()).arg(zoom), timing,
                 ActionTargetMs));
    return timing;
}

// At the smallest vertical zoom, as the window starts.
void MeasureHorizontalZoom(TBenchForm& bench, TReport& report)
{
    report.Rows.push_back(TimedRow(QStringLiteral("one Strg+wheel step over the diagram (zoom and repaint)"),
                                   MeasureWheelStep(bench, ActionRuns), FrameTargetMs));
    bench.Form->findChild<QAction*>(QStringLiteral("GanzeKurve1"))->trigger();
    bench.Settle();
    const TTiming whole = MeasureFullRepaint(bench, ActionRuns);
    report.Rows.push_back(TimedRow(QStringLiteral("full repaint %1 × %2 px (\"Ganze Kurve\")")
                                       .arg(bench.Ui.PaintBox1->width())
                                       .arg(bench.Ui.PaintBox1->height()),
                                   whole, FrameTargetMs));
    bench.Form->findChild<QAction*>(QStringLiteral("Originalgre1"))->trigger();
    bench.Settle();
}

void MeasureDiagram(TBenchForm& bench, TReport& report)
{
    bench.ZoomUntilSteady(bench.Ui.SpeedButton2);
    const TTiming smallest = MeasureRepaint(bench, report, ActionRuns, QStringLiteral("smallest zoom"));
    const TTiming drag = MeasureDragMove(bench, DragMoves);
    report.Rows.push_back(TimedRow(QStringLiteral("drag move on the diagram"), drag, ActionTargetMs));
    report.Rows.push_back(TimedRow(QStringLiteral("status bar update on a mouse move over the diagram"),
                                   MeasureStatusHover(bench, DragMoves), HoverTargetMs));
    MeasureHorizontalZoom(bench, report);
    bench.ZoomUntilSteady(bench.Ui.SpeedButton1);
    // The images of the whole surface at the largest zoom are the benchmark's
    // own (the editor paints only what is in view), so the peak is read first.
    const double peak = PeakMemoryMegabytes();
    const TTiming largest = MeasureRepaint(bench, report, SlowRuns, QStringLiteral("largest zoom"));
    report.Rows.push_back(
        ReferenceRow(QStringLiteral("the same through QWidget::render"), MeasureWidgetRender(bench, SlowRuns)));
    report.Rows.push_back(TimedRow(QStringLiteral("full repaint at the largest zoom with a comparison curve"),
                                   MeasureComparisonRepaint(bench, SlowRuns), FrameTargetMs));
    report.Rows.push_back(
        TimedRow(QStringLiteral("PNG of the diagram 2600 × %1 px (largest zoom), saved from the window")
                     .arg(bench.Ui.PaintBox1->height()),
                 MeasurePictureSave(bench, SlowRuns), PictureTargetMs));
    report.Rows.push_back(MemoryRow(QStringLiteral("peak memory (ru_maxrss)"), peak, MemoryTargetMegabytes));

    report.Notes << QStringLiteral("A drag move, its event and the paint of the region it changes, costs %1 of a "
                                   "full repaint at the smallest zoom and %2 at the largest (medians).")
                        .arg(Percent(drag.Median(), smallest.Median()), Percent(drag.Median(), largest.Median()))
                 << QStringLiteral("A full repaint runs the diagram's paint handler over the whole surface; "
                                   "QWidget::render adds Qt's own pass over every pixel of it.")
                 << QStringLiteral("Peak memory is read before the benchmark allocates its images of the whole "
                                   "surface at the largest zoom.");
}

int RunBenchmarks()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TReport report;
    report.Rows.push_back(
        TimedRow(QStringLiteral("start-up to the shown window"), MeasureStartup(StartupRuns), StartupTargetMs));
    TBenchForm bench;
    MeasureEditing(bench, report);
    MeasureFiles(bench, report);
    MeasureDiagram(bench, report);
    // After the diagram's rows: the runs it finds would otherwise be drawn in
    // every repaint measured there.
    for (TRow& row : MeasureFinding(bench, ActionRuns, StartupRuns))
        report.Rows.push_back(std::move(row));
    // Last: it leaves a thousand commits behind.
    report.Rows.push_back(MemoryRow(QStringLiteral("history of %1 commits of 2500 values (heap)").arg(HistorySteps),
                                    MeasureHistoryMemory(bench, HistorySteps), HistoryTargetMegabytes));
    report.Notes << QStringLiteral(
        "The time of an action on the window includes the paints it causes; \"met\" means even the "
        "slowest run stayed under the target.");
    QTextStream out(stdout);
    PrintReport(out, report.Rows, report.Notes);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().contains(StartupChildArgument))
        return ShowWindowOnce();
    try {
        return RunBenchmarks();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korav-bench: %s\n", error.what());
        return 1;
    }
}
