#include "app/TForm1.h"

#include "controls/ListBox.h"
#include "diagram/AxisSetup.h"
#include "diagram/Canvas.h"
#include "diagram/DiagramScene.h"
#include "diagram/DragSelection.h"
#include "controls/PaintBox.h"
#include "diagram/TDiagram.h"
#include "surface/Zoom.h"
#include "document/Comparison.h"
#include "document/Document.h"
#include "kurven/KurvenDlg.h"
#include "values/NumberFormat.h"

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <memory>

void TForm1::ConnectDiagramHandlers()
{
    PaintBox1->OnPaint = Guarded(&TForm1::PaintBox1Paint);
    PaintBox1->OnMouseDown = Guarded(&TForm1::PaintBox1MouseDown);
    PaintBox1->OnMouseMove = Guarded(&TForm1::PaintBox1MouseMove);
    const std::function<void()> mouseUp = Guarded(&TForm1::PaintBox1MouseUp);
    PaintBox1->OnMouseUp = [mouseUp](QMouseEvent&) { mouseUp(); };
    PaintBox1->OnMouseLeave = Guarded(&TForm1::PaintBox1MouseLeave);
    // Moves without a button tell the status bar what is under the mouse.
    PaintBox1->setMouseTracking(true);
}

void TForm1::SetupAxisForMode()
{
    SetupAxis(*diagram_, NumberMode(), PaintBox1->size());
    PaintBox1->update();
}

void TForm1::PaintBox1Paint(TCanvas& canvas)
{
    PaintDiagram(canvas, *diagram_, Scene());
    dragRectangle_.Draw(canvas);
}

TDiagramScene TForm1::Scene() const
{
    TDiagramScene scene;
    scene.Values = &document_->Values();
    scene.Mode = NumberMode();
    scene.CurveColor = curveColor_;
    scene.CurveWidth = KurvenDlg->CurveWidth();
    if (comparison_)
        scene.Comparison = {&comparison_->Values, comparisonColor_};
    if (Mittelwert1->isChecked()) {
        auto selected = std::make_shared<std::vector<bool>>(ValueCount, false);
        for (const int line : SelectedLines())
            (*selected)[std::size_t(line)] = true;
        scene.IsSelected = [selected](int i) { return (*selected)[std::size_t(i)]; };
        scene.MeanValue = meanValue_;
    }
    return scene;
}

void TForm1::ZoomTo(int height)
{
    QScrollBar* vertical = ScrollBox1->verticalScrollBar();
    const int view = ScrollBox1->height() - ScrollBox1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double centre = ViewCentre(view, vertical->value(), PaintBox1->height());
    PaintBox1->resize(PaintBox1->width(), height);
    vertical->setValue(CentredScrollPosition(centre, height, view));
    ApplyYStepRule(*diagram_, NumberMode(), height);
    diagram_->UpdateScale(PaintBox1->size());
    PaintBox1->update();
}

void TForm1::SpeedButton1Click()
{
    if (const std::optional<int> height = ZoomInHeight(PaintBox1->height()))
        ZoomTo(*height);
}

void TForm1::SpeedButton2Click()
{
    ZoomTo(ZoomOutHeight(PaintBox1->height(), ScrollBox1->height()));
}

void TForm1::FinishDiagramSelection()
{
    MoveFocus(Edit1);
    UpdateMeanIfShown();
    SyncRunsFromList();
}

void TForm1::PaintBox1MouseDown(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    const int index = diagram_->IndexAt(event.position().toPoint().x());
    PaintBox1->Tag = diagram_->ColumnOf(index);
    ListBox1->Tag = 0;
    DeselectAll();
    SelectLine(index);
    SetTopIndex(std::max(index - 3, 0));
    FinishDiagramSelection();
}

void TForm1::PaintBox1MouseMove(const QMouseEvent& event)
{
    const int index = diagram_->IndexAt(event.position().toPoint().x());
    hoverIndex_ = index;
    UpdateStatusBar();
    if (event.buttons() != Qt::LeftButton || event.modifiers() != Qt::NoModifier)
        return;
    ListBox1->Tag = 1;
    const int anchorColumn = diagram_->ColumnOf(ItemIndex());
    PaintBox1->Tag = diagram_->ColumnOf(index);
    PaintBox1->update(dragRectangle_.Set(DragBand(*diagram_, anchorColumn, PaintBox1->Tag)));
}

void TForm1::PaintBox1MouseUp()
{
    if (ListBox1->Tag != 1)
        return;
    // A finished drag is over: a later release of another button must not
    // select again.
    ListBox1->Tag = 0;
    const int end = diagram_->IndexAt(PaintBox1->Tag);
    PaintBox1->update(dragRectangle_.Clear());
    SelectRows(DragRows(ItemIndex(), end));
    FinishDiagramSelection();
}

void TForm1::KurvendarstellungClick()
{
    if (KurvenDlg->IsDesignText())
        KurvenDlg->PresetLime();
    if (KurvenDlg->exec() != QDialog::Accepted)
        return;
    if (const std::optional<int> color = KurvenDlg->ChosenColor())
        curveColor_ = *color;
    comparisonColor_ = KurvenDlg->ComparisonColor();
    PaintBox1->update();
}

// The comparison stays while documents are opened, until it is removed.
void TForm1::Vergleichskurveladen1Click()
{
    if (const std::optional<QString> chosen = ExecuteOpenValueFile()) {
        comparison_ = std::make_unique<TComparison>(LoadComparison(*chosen));
        UpdateComparisonItems();
    }
}

void TForm1::Vergleichskurveentfernen1Click()
{
    comparison_.reset();
    UpdateComparisonItems();
}

void TForm1::UpdateComparisonItems()
{
    Vergleichskurveentfernen1->setEnabled(document_->Loaded() && comparison_);
    PaintBox1->update();
    UpdateStatusBar();
}
