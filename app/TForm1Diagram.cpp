#include "app/TForm1.h"

#include "controls/ListBox.h"
#include "diagram/AxisSetup.h"
#include "diagram/Canvas.h"
#include "diagram/DragSelection.h"
#include "diagram/PaintBox.h"
#include "diagram/TDiagram.h"
#include "diagram/Zoom.h"
#include "kurven/KurvenDlg.h"
#include "values/NumberFormat.h"

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

void TForm1::connectDiagramHandlers()
{
    PaintBox1->OnPaint = [this](TCanvas& canvas) { Guard([this, &canvas] { PaintBox1Paint(canvas); }); };
    PaintBox1->OnMouseDown = [this](QMouseEvent& event) { Guard([this, &event] { PaintBox1MouseDown(event); }); };
    PaintBox1->OnMouseMove = [this](QMouseEvent& event) { Guard([this, &event] { PaintBox1MouseMove(event); }); };
    PaintBox1->OnMouseUp = [this](QMouseEvent&) { Guard([this] { PaintBox1MouseUp(); }); };
}

void TForm1::SetupAxisForMode()
{
    ApplyYStepRule(*Diagram, NumberMode(), PaintBox1->height());
    ApplyAxisRange(*Diagram, NumberMode());
    Diagram->UpdateScale();
    PaintBox1->update();
}

void TForm1::PaintBox1Paint(TCanvas& canvas)
{
    Diagram->DrawFrame(canvas);
    const int width = KurvenDlg->CurveWidth();
    switch (NumberMode()) {
    case FixedPoint: Diagram->DrawCurve(canvas, *ValueBuffer, 1024.0, CurveColor, width); break;
    case IntegerMode: Diagram->DrawCurve(canvas, *ValueBuffer, 1.0, CurveColor, width); break;
    case HexMode: Diagram->DrawCurveUnsigned(canvas, *ValueBuffer, CurveColor, width); break;
    default: break;
    }
    if (Mittelwert1->isChecked()) {
        std::vector<bool> selected(ValueCount, false);
        for (const int line : SelectedLines())
            selected[line] = true;
        Diagram->DrawMeanMarks(canvas, canvas.ClipRect(), [&selected](int i) { return selected[i]; }, MeanValue);
    }
    dragRectangle_.Draw(canvas);
}

void TForm1::ZoomTo(int height)
{
    QScrollBar* vertical = ScrollBox1->verticalScrollBar();
    const int view = ScrollBox1->height() - ScrollBox1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double centre = ViewCentre(view, vertical->value(), PaintBox1->height());
    PaintBox1->resize(PaintBox1->width(), height);
    vertical->setValue(CentredScrollPosition(centre, height, view));
    ApplyYStepRule(*Diagram, NumberMode(), height);
    Diagram->UpdateScale();
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
    if (Mittelwert1->isChecked())
        UpdateMean();
    SyncRunsFromList();
}

void TForm1::PaintBox1MouseDown(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    const int index = Diagram->IndexAt(event.position().toPoint().x());
    PaintBox1->Tag = Diagram->ColumnOf(index);
    ListBox1->Tag = 0;
    DeselectAll();
    SelectLine(index);
    SetTopIndex(std::max(index - 3, 0));
    FinishDiagramSelection();
}

void TForm1::PaintBox1MouseMove(const QMouseEvent& event)
{
    if (event.buttons() != Qt::LeftButton || event.modifiers() != Qt::NoModifier)
        return;
    const int index = Diagram->IndexAt(event.position().toPoint().x());
    ListBox1->Tag = 1;
    const int anchorColumn = Diagram->ColumnOf(ItemIndex());
    PaintBox1->Tag = Diagram->ColumnOf(index);
    PaintBox1->update(dragRectangle_.Set(DragBand(*Diagram, anchorColumn, PaintBox1->Tag)));
}

void TForm1::PaintBox1MouseUp()
{
    if (ListBox1->Tag != 1)
        return;
    // A finished drag is over: a later release of another button must not
    // select again.
    ListBox1->Tag = 0;
    const int end = Diagram->IndexAt(PaintBox1->Tag);
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
        CurveColor = *color;
    PaintBox1->update();
}
