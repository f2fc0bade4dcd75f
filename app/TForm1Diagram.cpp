#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "app/ListSelection.h"
#include "app/MeanField.h"
#include "app/MenuTable.h"
#include "controls/PaintBox.h"
#include "diagram/DiagramScene.h"
#include "diagram/DragSelection.h"
#include "document/Document.h"
#include "kurven/KurvenDlg.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

void TForm1::ConnectDiagramHandlers()
{
    TPaintBox& paintBox = pane_->PaintBox();
    paintBox.OnPaint = Guarded(&TForm1::PaintBox1Paint);
    paintBox.OnMouseDown = Guarded(&TForm1::PaintBox1MouseDown);
    paintBox.OnMouseMove = Guarded(&TForm1::PaintBox1MouseMove);
    const std::function<void()> mouseUp = Guarded(&TForm1::PaintBox1MouseUp);
    paintBox.OnMouseUp = [mouseUp](QMouseEvent&) { mouseUp(); };
    paintBox.OnMouseLeave = Guarded(&TForm1::PaintBox1MouseLeave);
    paintBox.OnWheel = Guarded(&TForm1::PaintBox1MouseWheel);
    connect(&pane_->ZoomInButton(), &QToolButton::clicked, this, Guarded(&TForm1::SpeedButton1Click));
    connect(&pane_->ZoomOutButton(), &QToolButton::clicked, this, Guarded(&TForm1::SpeedButton2Click));
}

void TForm1::SetupAxisForMode()
{
    pane_->SetupAxis(NumberMode());
}

void TForm1::PaintBox1Paint(TCanvas& canvas)
{
    PaintDiagram(canvas, Diagram(), Scene());
    pane_->DrawCursor(canvas);
    pane_->DrawDragRectangle(canvas);
}

TDiagramScene TForm1::Scene() const
{
    TDiagramScene scene;
    scene.Values = &document_->Values();
    scene.Mode = NumberMode();
    scene.CurveColor = curves_.CurveColor;
    scene.CurveWidth = KurvenDlg->CurveWidth();
    if (curves_.Comparison)
        scene.Comparison = {&curves_.Comparison->Values, curves_.ComparisonColor};
    if (menus_->IsChecked("Mittelwert1")) {
        auto selected = std::make_shared<std::vector<bool>>(ValueCount, false);
        for (const int line : SelectedLines())
            (*selected)[std::size_t(line)] = true;
        scene.IsSelected = [selected](int i) { return (*selected)[std::size_t(i)]; };
        scene.MeanValue = mean_->Value();
    }
    return scene;
}

void TForm1::SpeedButton1Click()
{
    pane_->ZoomIn(NumberMode());
}

void TForm1::SpeedButton2Click()
{
    pane_->ZoomOut(NumberMode());
}

// Ctrl and the wheel zoom horizontally, as in plotting programs; the wheel
// alone scrolls.
void TForm1::PaintBox1MouseWheel(QWheelEvent& event)
{
    if (!(event.modifiers() & Qt::ControlModifier)) {
        event.ignore();
        return;
    }
    pane_->WheelZoom(event.angleDelta().y() / double(QWheelEvent::DefaultDeltasPerStep),
                     event.position().toPoint().x());
    UpdateStatusBar();
}

void TForm1::GanzeKurve1Click()
{
    pane_->SetWidthFit(TWidthFit::WholeCurve);
}

void TForm1::AufAuswahlzoomen1Click()
{
    const std::vector<int> lines = SelectedLines();
    if (!lines.empty())
        pane_->ZoomToValues(lines.front(), lines.back());
}

void TForm1::Originalgre1Click()
{
    pane_->SetWidthFit(TWidthFit::Design);
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
    const int index = pane_->IndexAt(event.position().toPoint().x());
    pane_->Press();
    DeselectAll();
    SelectLine(index);
    selection_->SetTopIndex(std::max(index - 3, 0));
    FinishDiagramSelection();
}

void TForm1::PaintBox1MouseMove(const QMouseEvent& event)
{
    const int index = pane_->IndexAt(event.position().toPoint().x());
    pane_->SetHover(index);
    UpdateStatusBar();
    if (event.buttons() != Qt::LeftButton || event.modifiers() != Qt::NoModifier)
        return;
    pane_->DragTo(index, ItemIndex());
}

void TForm1::PaintBox1MouseUp()
{
    const std::optional<int> end = pane_->FinishDrag();
    if (!end)
        return;
    SelectRows(DragRows(ItemIndex(), *end));
    FinishDiagramSelection();
}

void TForm1::KurvendarstellungClick()
{
    if (KurvenDlg->IsDesignText())
        KurvenDlg->PresetLime();
    if (KurvenDlg->exec() != QDialog::Accepted)
        return;
    if (const std::optional<int> color = KurvenDlg->ChosenColor())
        curves_.CurveColor = *color;
    curves_.ComparisonColor = KurvenDlg->ComparisonColor();
    pane_->Repaint();
}

// The comparison stays while documents are opened, until it is removed.
void TForm1::Vergleichskurveladen1Click()
{
    if (const std::optional<QString> chosen = ExecuteOpenValueFile()) {
        curves_.Comparison = std::make_unique<TComparison>(LoadComparison(*chosen));
        UpdateComparisonItems();
    }
}

void TForm1::Vergleichskurveentfernen1Click()
{
    curves_.Comparison.reset();
    UpdateComparisonItems();
}

void TForm1::UpdateComparisonItems()
{
    UpdateMenus();
    pane_->Repaint();
    UpdateStatusBar();
}
