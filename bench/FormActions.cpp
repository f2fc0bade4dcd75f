#include "bench/FormActions.h"

#include "bench/BenchForm.h"
#include "bench/Expect.h"
#include "bench/PaintWatcher.h"
#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "diagram/Canvas.h"
#include "diagram/TDiagram.h"
#include "document/Document.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

constexpr int ModeCount = 3;
// A drag starts on the curve's first values and each move goes a little
// further right, inside the visible part.
constexpr int DragStartIndex = 10;
constexpr int DragStepX = 15;
constexpr int DragY = 60;

// Measure for an action that must repaint the diagram every time: a run that
// painted nothing would make its time look better than a user's.
TTiming MeasurePainting(TBenchForm& bench, int runs, const std::function<void()>& action,
                        const std::function<void()>& prepare = {})
{
    TPaintWatcher diagramPaints(bench.Ui.PaintBox1);
    const TTiming timing = Measure(runs, action, prepare);
    Expect(diagramPaints.Paints() >= runs, "every run paints the diagram");
    return timing;
}

void SendMouse(QWidget* widget, QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF at(x, DragY);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool ColumnShows(const QImage& image, int x, QColor color)
{
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == color)
            return true;
    return false;
}

// Measures `paint` filling an image of the whole diagram surface.
TTiming MeasureIntoImage(TBenchForm& bench, int runs, const std::function<void(QImage&)>& paint)
{
    const TForm1& form = *bench.Form;
    QImage image(bench.Ui.PaintBox1->size(), QImage::Format_RGB32);
    // Touched once beforehand: the editor never allocates an image of the
    // whole surface, so the first touch of its memory is not the editor's cost.
    image.fill(Qt::black);
    const TTiming timing = Measure(runs, [&paint, &image] { paint(image); });
    Expect(ColumnShows(image, form.Diagram().ColumnOf(ValueCount / 2), ToQColor(form.CurveColor())),
           "the curve is painted");
    return timing;
}

} // namespace

TTiming MeasureOpen(TBenchForm& bench, int runs)
{
    const QString path = bench.WriteValueFile(QStringLiteral("offen.kos"), -1250, 7);
    const TTiming timing = MeasurePainting(bench, runs, [&bench, &path] { bench.Open(path); });
    Expect(bench.Form->Document().Loaded() && bench.Ui.ListBox1->model()->rowCount() == ValueCount, "the file is open");
    return timing;
}

TTiming MeasureModeChange(TBenchForm& bench, int runs)
{
    bench.SelectAllLines();
    Expect(bench.Form->SelectedLines().size() == ValueCount, "all lines selected");
    const TTiming timing =
        MeasurePainting(bench, runs, [&bench] { bench.ClickMode((bench.Form->NumberMode() + 1) % ModeCount); });
    Expect(bench.Form->SelectedLines().size() == ValueCount, "the selection survives the mode changes");
    return timing;
}

TTiming MeasureCommit(TBenchForm& bench, int runs)
{
    const TForm1& form = *bench.Form;
    const auto typeValue = [&bench] { bench.TypeIntoAllLines(QStringLiteral("7")); };
    const auto pressEnter = [&bench] { bench.PressEnterInEdit1(); };
    const TTiming timing = MeasurePainting(bench, runs, pressEnter, typeValue);
    const TValueBuffer& values = form.Document().Values();
    Expect(form.Document().Modified() && values.front() == values.back() && values.front() != 0,
           "the value went into every line");
    return timing;
}

TTiming MeasureSave(TBenchForm& bench, int runs)
{
    const TForm1& form = *bench.Form;
    int value = 0;
    const auto changeAllValues = [&bench, &value] {
        bench.TypeIntoAllLines(QString::number(++value % 100));
        bench.PressEnterInEdit1();
        bench.Settle();
    };
    const TTiming timing = Measure(
        runs,
        [&bench] {
            bench.Ui.Speichern->trigger();
            bench.Settle();
        },
        changeAllValues);
    Expect(!form.Document().Modified() && bench.Windows.Errors.isEmpty(), "every save completed");
    return timing;
}

TTiming MeasureDragMove(TBenchForm& bench, int runs)
{
    QWidget* diagram = bench.Ui.PaintBox1;
    bench.Ui.ScrollBox1->horizontalScrollBar()->setValue(0);
    int x = bench.Form->Diagram().ColumnOf(DragStartIndex);
    Expect(x + DragStepX * runs < bench.Ui.ScrollBox1->viewport()->width(), "the drag stays in view");
    SendMouse(diagram, QEvent::MouseButtonPress, x, Qt::LeftButton, Qt::LeftButton);
    bench.Settle();
    const TTiming timing = MeasurePainting(bench, runs, [&bench, diagram, &x] {
        x += DragStepX;
        SendMouse(diagram, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
        bench.Settle();
    });
    SendMouse(diagram, QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton);
    bench.Settle();
    Expect(bench.Form->SelectedLines().size() > 1, "the drag selected lines");
    return timing;
}

TTiming MeasureFullRepaint(TBenchForm& bench, int runs)
{
    const TPaintBox& diagram = *bench.Ui.PaintBox1;
    return MeasureIntoImage(bench, runs, [&diagram](QImage& image) {
        QPainter painter(&image);
        TCanvas canvas(painter, TRect::FromQRect(image.rect()));
        diagram.OnPaint(canvas);
    });
}

TTiming MeasureWidgetRender(TBenchForm& bench, int runs)
{
    QWidget* diagram = bench.Ui.PaintBox1;
    return MeasureIntoImage(bench, runs, [diagram](QImage& image) { diagram->render(&image); });
}

TTiming MeasureBridge(TBenchForm& bench, int runs)
{
    const TForm1& form = *bench.Form;
    // The commits before leave a changed document, not to be saved.
    bench.Windows.Answers.push_back(TAnswer::No);
    bench.Open(bench.WriteValueFile(QStringLiteral("verbinden.kos"), -1000, 1));
    bench.Ui.Mittelwert1->trigger();
    QAbstractItemModel* lines = bench.Ui.ListBox1->model();
    bench.Ui.ListBox1->selectionModel()->select(QItemSelection(lines->index(1, 0), lines->index(ValueCount - 2, 0)),
                                                QItemSelectionModel::Select);
    bench.Settle();
    // The work does not depend on the values: each run writes every
    // selected line, rewrites its list line and repaints the diagram.
    const TTiming timing = MeasurePainting(bench, runs, [&bench] {
        bench.Ui.Linearverbinden1->trigger();
        bench.Settle();
    });
    const TValueBuffer& values = form.Document().Values();
    Expect(form.SelectedLines().size() == ValueCount - 2 && values[ValueCount / 2] == values[0] + ValueCount / 2,
           "the selected lines lie on the straight line");
    Expect(bench.Ui.Mittelwert1->isChecked() && bench.Ui.Rckgngig1->isEnabled(), "the mean follows a history step");
    // The mean marks over the whole width would hide the curve from the
    // repaints measured later.
    bench.Ui.ListBox1->selectionModel()->clearSelection();
    bench.Settle();
    return timing;
}

TTiming MeasureComparisonRepaint(TBenchForm& bench, int runs)
{
    bench.Windows.Paths.push_back(bench.WriteValueFile(QStringLiteral("vergleich.kos"), 1250, -1));
    bench.Ui.Vergleichskurveladen1->trigger();
    bench.Settle();
    Expect(bench.Form->ComparisonValues() != nullptr, "the comparison is loaded");
    return MeasureFullRepaint(bench, runs);
}

TTiming MeasureStatusHover(TBenchForm& bench, int runs)
{
    QWidget* diagram = bench.Ui.PaintBox1;
    bench.Ui.ScrollBox1->horizontalScrollBar()->setValue(0);
    if (!bench.Ui.Statusleiste1->isChecked())
        bench.Ui.Statusleiste1->trigger();
    bench.Settle();
    int x = bench.Form->Diagram().ColumnOf(DragStartIndex);
    const TTiming timing = Measure(runs, [&bench, diagram, &x] {
        x += DragStepX;
        SendMouse(diagram, QEvent::MouseMove, x, Qt::NoButton, Qt::NoButton);
        bench.Settle();
    });
    Expect(bench.Ui.StatusPanel1->text().startsWith(QStringLiteral("Wert ")), "the status bar shows the value");
    return timing;
}

TTiming MeasureWheelStep(TBenchForm& bench, int runs)
{
    QWidget* diagram = bench.Ui.PaintBox1;
    const int width = diagram->width();
    int notch = QWheelEvent::DefaultDeltasPerStep;
    const auto turn = [&bench, diagram, &notch] {
        const QScrollArea& view = *bench.Ui.ScrollBox1;
        const QPointF at(view.horizontalScrollBar()->value() + view.viewport()->width() / 2, DragY);
        QWheelEvent event(at, diagram->mapToGlobal(at), {}, {0, notch}, {}, Qt::ControlModifier, {}, false);
        QApplication::sendEvent(diagram, &event);
        notch = -notch;
        bench.Settle();
    };
    const TTiming timing = MeasurePainting(bench, runs, turn);
    if (notch < 0)
        turn();
    Expect(diagram->width() == width, "the wheel zoomed in and out again");
    return timing;
}
