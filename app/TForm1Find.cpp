#include "app/TForm1.h"

#include "app/ListSelection.h"
#include "bedingung/BedingungDlg.h"
#include "controls/ListBox.h"
#include "document/Document.h"

#include <QInputDialog>

// Finding what to repair: the lines a condition finds become the selection,
// the keys move from one found run to the next, and a line is reached by
// its number.

void TForm1::AuswahlnachBedingung1Click()
{
    const std::optional<TConditionChoice> found = BedingungDlg->Execute(document_->Values(), NumberMode());
    if (!found)
        return;
    SelectAsInList([this, &found] {
        if (!found->Add)
            DeselectAll();
        selection_->SelectFound(found->Lines);
    });
}

// As a click in the list: a value typed but not committed goes into the
// lines selected before, and the diagram, the entry field, the mean and the
// diagram's runs follow the new selection.
void TForm1::SelectAsInList(const std::function<void()>& select)
{
    MoveFocus(ListBox1);
    select();
    ListBox1MouseUp();
}

void TForm1::NchsteAuswahl1Click()
{
    MoveToRun(+1);
}

void TForm1::VorherigeAuswahl1Click()
{
    MoveToRun(-1);
}

void TForm1::MoveToRun(int direction)
{
    const std::optional<int> start = selection_->RunStart(ItemIndex(), direction);
    if (!start)
        return;
    selection_->MoveCurrentTo(*start);
    Follow();
    ShowCurrentValueUnlessTyped();
}

void TForm1::GehezuZeile1Click()
{
    bool chosen = false;
    const int line = QInputDialog::getInt(this, QStringLiteral("Gehe zu Zeile"),
                                          QStringLiteral("Zeile (0 bis %1):").arg(ValueCount - 1), ItemIndex(), 0,
                                          ValueCount - 1, 1, &chosen);
    if (!chosen)
        return;
    SelectAsInList([this, line] {
        DeselectAll();
        SelectLine(line);
    });
}
