#include "bench/BenchForm.h"
#include "bench/Expect.h"
#include "bench/FileActions.h"
#include "bench/FormActions.h"
#include "bench/PeakMemory.h"
#include "bench/Report.h"
#include "bench/Startup.h"
#include "diagram/PaintBox.h"
#include "export/SolarEvaluation.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QTextStream>

#include <cstdio>
#include <exception>

namespace {

// What the editor has to achieve on a 2-core machine.
constexpr double ActionTargetMs = 50.0;
constexpr double StartupTargetMs = 500.0;
constexpr double MemoryTargetMegabytes = 80.0;

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
}

void MeasureFiles(TBenchForm& bench, TReport& report)
{
    report.Rows.push_back(TimedRow(QStringLiteral("column file write (8 × 1200)"),
                                   MeasureColumnFileWrite(bench.Dir.path(), ActionRuns), ActionTargetMs));
    // As many recordings as one evaluation takes: 12 passes of 99 siblings.
    const TRecordings recordings = WriteRecordings(bench.Dir.path(), TSolarEvaluation::MaxFileCount);
    const TTiming evaluation = MeasureEvaluation(bench, recordings, SlowRuns);
    const TTiming plainRead = MeasurePlainRead(recordings, SlowRuns);
    report.Rows.push_back(TimedRow(QStringLiteral("evaluation \"Temperaturen\", %1 × 99 siblings")
                                       .arg(recordings.BaseFiles.size()), evaluation, ActionTargetMs));
    report.Rows.push_back(ReferenceRow(QStringLiteral("plain read of the same %1 files")
                                           .arg(recordings.Siblings.size()), plainRead));
    report.Notes << QStringLiteral("The evaluation takes %1 times a plain read of its siblings (medians).")
                        .arg(Ratio(evaluation.Median(), plainRead.Median()));
}

TTiming MeasureRepaint(TBenchForm& bench, TReport& report, int runs, const QString& zoom)
{
    const TTiming timing = MeasureFullRepaint(bench, runs);
    report.Rows.push_back(TimedRow(QStringLiteral("full repaint 2600 × %1 px (%2)")
                                       .arg(bench.Ui.PaintBox1->height()).arg(zoom), timing, ActionTargetMs));
    return timing;
}

void MeasureDiagram(TBenchForm& bench, TReport& report)
{
    bench.ZoomUntilSteady(bench.Ui.SpeedButton2);
    const TTiming smallest = MeasureRepaint(bench, report, ActionRuns, QStringLiteral("smallest zoom"));
    const TTiming drag = MeasureDragMove(bench, DragMoves);
    report.Rows.push_back(TimedRow(QStringLiteral("drag move on the diagram"), drag, ActionTargetMs));
    bench.ZoomUntilSteady(bench.Ui.SpeedButton1);
    // The images of the whole surface at the largest zoom are the benchmark's
    // own (the editor paints only what is in view), so the peak is read first.
    const double peak = PeakMemoryMegabytes();
    const TTiming largest = MeasureRepaint(bench, report, SlowRuns, QStringLiteral("largest zoom"));
    report.Rows.push_back(ReferenceRow(QStringLiteral("the same through QWidget::render"),
                                       MeasureWidgetRender(bench, SlowRuns)));
    report.Rows.push_back(MemoryRow(peak, MemoryTargetMegabytes));
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
    report.Rows.push_back(TimedRow(QStringLiteral("start-up to the shown window"), MeasureStartup(StartupRuns),
                                   StartupTargetMs));
    TBenchForm bench;
    MeasureEditing(bench, report);
    MeasureFiles(bench, report);
    MeasureDiagram(bench, report);
    report.Notes << QStringLiteral("The time of an action on the window includes the paints it causes; \"met\" means even the "
                                   "slowest run stayed under the target.");
    QTextStream out(stdout);
    PrintReport(out, report.Rows, report.Notes);
    return 0;
}

}  // namespace

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
