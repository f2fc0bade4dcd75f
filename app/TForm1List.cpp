#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "app/ListSelection.h"
#include "app/MeanField.h"
#include "app/ValueListModel.h"
#include "controls/KeyCodes.h"
#include "controls/ListBox.h"
#include "controls/ListScroll.h"
#include "diagram/TDiagram.h"

#include <QLineEdit>

void TForm1::ConnectListHandlers()
{
    ListBox1->OnKeyDown = Guarded(&TForm1::ListBox1KeyDown);
    ListBox1->OnKeyUp = Guarded(&TForm1::ListBox1KeyUp);
    ListBox1->OnMouseUp = Guarded(&TForm1::ListBox1MouseUp);
    // A file dragged onto the window opens it; the fields take no dropped text.
    for (QLineEdit* edit : {Edit1, Edit2, &mean_->Field()}) {
        edit->setAcceptDrops(false);
        edit->installEventFilter(this);
    }
    // QLineEdit forgets its changed state when the user undoes back to the
    // text the program set; here every edit of the user's counts, undo too.
    connect(Edit1, &QLineEdit::textEdited, Edit1, [this] { Edit1->setModified(true); });
    connect(selection_, &TListSelection::Changed, this, Guarded(&TForm1::UpdateMenus));
    connect(selection_, &TListSelection::Changed, this, Guarded(&TForm1::UpdateStatusBar));
}

QString TForm1::ValueText(int index) const
{
    return listModel_->ValueText(index);
}

int TForm1::ItemIndex() const
{
    return selection_->ItemIndex();
}

int TForm1::TopIndex() const
{
    return selection_->TopIndex();
}

std::vector<int> TForm1::SelectedLines() const
{
    return selection_->SelectedLines();
}

bool TForm1::IsShown(const QWidget* control) const
{
    return control->isVisibleTo(this);
}

void TForm1::FillList()
{
    listModel_->Fill(NumberMode());
    selection_->StartAtTop();
    ListBox1->show();
}

void TForm1::SelectLine(int line)
{
    selection_->SelectLine(line);
}

void TForm1::DeselectAll()
{
    selection_->DeselectAll();
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
    pane_->Follow(TopIndex());
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
    selection_->CopyInto(pane_->Diagram());
    pane_->Repaint();
}

void TForm1::RadioGroup1Click()
{
    const int top = TopIndex();
    FillList();
    selection_->SelectRuns(Diagram().Runs());
    selection_->SetTopIndex(TopAfterSelectingInTurn(top, selection_->VisibleLines(), Diagram().Runs()));
    UpdateMeanIfShown();
    MoveFocus(Edit1);
    SetupAxisForMode();
    // The captions of the history show values as the list does.
    UpdateUndoItems();
    UpdateStatusBar();
}

void TForm1::SelectRows(const std::vector<int>& rows)
{
    selection_->SelectRows(rows);
}
