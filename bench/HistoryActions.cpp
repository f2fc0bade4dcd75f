#include "bench/HistoryActions.h"

#include "bench/BenchForm.h"
#include "bench/Expect.h"
#include "bench/PaintWatcher.h"
#include "controls/PaintBox.h"
#include "document/Document.h"
#include "support/FormControls.h"

#include <QAction>

#include <malloc.h>

TTiming MeasureUndo(TBenchForm& bench, int runs)
{
    const auto commit = [&bench] {
        bench.TypeIntoAllLines(QStringLiteral("9"));
        bench.PressEnterInEdit1();
    };
    const auto undo = [&bench] {
        bench.Ui.Rckgngig1->trigger();
        bench.Settle();
    };
    TPaintWatcher diagramPaints(bench.Ui.PaintBox1);
    const TTiming timing = Measure(runs, undo, commit);
    Expect(diagramPaints.Paints() >= runs, "every undo paints the diagram");
    Expect(bench.Form->SelectedLines().size() == ValueCount, "the undo selected the lines again");
    // Leaves the form as a commit does, one line selected after it.
    commit();
    return timing;
}

double MeasureHistoryMemory(TBenchForm& bench, int steps)
{
    // The heap in use, not the process size: freed blocks the allocator
    // keeps would count otherwise.
    const std::size_t before = mallinfo2().uordblks;
    for (int step = 0; step < steps; ++step) {
        bench.TypeIntoAllLines(QString::number(step % 100 + 1));
        bench.PressEnterInEdit1();
    }
    const std::size_t after = mallinfo2().uordblks;
    Expect(bench.Ui.Rckgngig1->isEnabled(), "the commits are in the history");
    return double(after - before) / (1024.0 * 1024.0);
}
