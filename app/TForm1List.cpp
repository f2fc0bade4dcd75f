#include "app/TForm1.h"

#include "controls/KeyCodes.h"
#include "controls/ListScroll.h"
#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "diagram/SelectionRuns.h"
#include "diagram/TDiagram.h"
#include "document/Document.h"
#include "values/GeneralFormat.h"
#include "values/NumberFormat.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>

void TForm1::ConnectListHandlers()
{
    ListBox1->OnKeyDown = Guarded(&TForm1::ListBox1KeyDown);
    ListBox1->OnKeyUp = Guarded(&TForm1::ListBox1KeyUp);
    ListBox1->OnMouseUp = Guarded(&TForm1::ListBox1MouseUp);
    for (QLineEdit* edit : {Edit1, Edit2, Edit3})
        edit->installEventFilter(this);
    // QLineEdit forgets its changed state when the user undoes back to the
    // text the program set; here every edit of the user's counts, undo too.
    connect(Edit1, &QLineEdit::textEdited, Edit1, [this] { Edit1->setModified(true); });
}

QString TForm1::ValueText(int index) const
{
    return FormatValue(document_->Value(index), NumberMode(), UserDecimalSeparator());
}

QString TForm1::ValueLine(int index) const
{
    return QString::number(index) + QStringLiteral("    ") + ValueText(index);
}

int TForm1::ItemIndex() const
{
    return ListBox1->currentIndex().row();
}

int TForm1::TopIndex() const
{
    return ListBox1->verticalScrollBar()->value();
}

void TForm1::SetTopIndex(int line)
{
    ListBox1->verticalScrollBar()->setValue(line);
}

std::vector<int> TForm1::SelectedLines() const
{
    std::vector<int> lines;
    for (const QItemSelectionRange& range : ListBox1->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            lines.push_back(row);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

bool TForm1::IsShown(const QWidget* control) const
{
    return control->isVisibleTo(this);
}

void TForm1::FillList()
{
    QStringList lines;
    lines.reserve(ValueCount);
    for (int i = 0; i < ValueCount; ++i)
        lines << ValueLine(i);
    listModel_->setStringList(lines);
    ListBox1->selectionModel()->setCurrentIndex(listModel_->index(0), QItemSelectionModel::NoUpdate);
    ListBox1->scrollToTop();
    ListBox1->show();
}

void TForm1::SelectLine(int line)
{
    const QModelIndex index = listModel_->index(line);
    ListBox1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select);
    ListBox1->scrollTo(index);
}

// One selection change for all lines keeps selecting 2500 lines fast; the
// line selected last becomes the current line, as if selected one by one.
void TForm1::SelectWithCurrent(const QItemSelection& selection, int current)
{
    ListBox1->selectionModel()->select(selection, QItemSelectionModel::Select);
    SelectLine(current);
}

void TForm1::SelectLines(const std::vector<TSelectionRun>& runs)
{
    if (runs.empty())
        return;
    QItemSelection selection;
    for (const TSelectionRun& run : runs)
        selection.select(listModel_->index(run.Start), listModel_->index(run.Start + run.Count - 1));
    SelectWithCurrent(selection, runs.back().Start + runs.back().Count - 1);
}

// The rows in one selection change, each block of neighbours as one range;
// the row given last becomes the current line.
void TForm1::SelectRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    QItemSelection selection;
    for (std::size_t first = 0, last = 0; first < sorted.size(); first = last + 1) {
        last = first;
        while (last + 1 < sorted.size() && sorted[last + 1] == sorted[last] + 1)
            ++last;
        selection.select(listModel_->index(sorted[first]), listModel_->index(sorted[last]));
    }
    SelectWithCurrent(selection, rows.back());
}

void TForm1::DeselectAll()
{
    ListBox1->selectionModel()->clearSelection();
}

void TForm1::ListBox1KeyDown(int key)
{
    const int current = ItemIndex();
    if (key == VirtualKey::Return)
        MoveFocus(Edit1);
    else if (key == VirtualKey::Up && current > 0)
        ShowValueInEdit1(current - 1);
    else if (key == VirtualKey::Down && current < ValueCount - 1)
        ShowValueInEdit1(current + 1);
}

void TForm1::Follow()
{
    ScrollBox1->horizontalScrollBar()->setValue(TopIndex() - 100);
}

void TForm1::ListBox1KeyUp(int)
{
    Follow();
    SyncRunsFromList();
    UpdateMeanIfShown();
}

void TForm1::ListBox1MouseUp()
{
    Follow();
    MoveFocus(Edit1);
    UpdateMeanIfShown();
    SyncRunsFromList();
}

void TForm1::SyncRunsFromList()
{
    diagram_->ClearRuns();
    for (const int line : SelectedLines())
        diagram_->AddIndex(line);
    PaintBox1->update();
}

void TForm1::RadioGroup1Click()
{
    const int top = TopIndex();
    FillList();
    SelectLines(diagram_->Runs());
    SetTopIndex(TopAfterSelectingInTurn(top, ListBox1->verticalScrollBar()->pageStep(), diagram_->Runs()));
    UpdateMeanIfShown();
    MoveFocus(Edit1);
    SetupAxisForMode();
    // The captions of the history show values as the list does.
    UpdateUndoItems();
    UpdateStatusBar();
}
