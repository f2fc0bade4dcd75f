#include "app/TForm1.h"

#include "app/ListSelection.h"
#include "app/MenuTable.h"
#include "document/Document.h"
#include "document/SelectionStatistics.h"
#include "history/ValueEdit.h"
#include "values/GeneralFormat.h"

#include <QAction>
#include <QItemSelection>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>

namespace {

// Enough for a day's editing; a step of all 2500 values costs about 5 KB.
constexpr int UndoLimit = 1000;

} // namespace

// The steps alone: whether the document changed since its last save, it
// knows itself, and an undo brings it back to the state of the step.
void TForm1::CreateHistory()
{
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(UndoLimit);
    connect(undoStack_, &QUndoStack::indexChanged, this, &TForm1::UpdateUndoItems);
}

void TForm1::Rckgngig1Click()
{
    undoStack_->undo();
}

void TForm1::Wiederherstellen1Click()
{
    undoStack_->redo();
}

void TForm1::UpdateUndoItems()
{
    UpdateMenus();
    for (const auto& [name, step] :
         {std::pair{"Rckgngig1", undoStack_->index() - 1}, std::pair{"Wiederherstellen1", undoStack_->index()}})
        menus_->Item(name).setText(UndoCaption(menus_->Caption(name), step));
}

// "&Rückgängig: Wert 1,5 in 120 Zeilen", the value as the list shows it now,
// or "&Rückgängig: Linear verbinden in 7 Zeilen".
QString TForm1::UndoCaption(const QString& action, int step) const
{
    const auto* command = dynamic_cast<const TValueStep*>(undoStack_->command(step));
    if (!command)
        return action;
    const auto* edit = dynamic_cast<const TValueEdit*>(command);
    const QString what = edit
        ? QStringLiteral("Wert ") + FormatValue(edit->Value(), NumberMode(), UserDecimalSeparator())
        : QStringLiteral("Linear verbinden");
    return action + QStringLiteral(": ") + what + QStringLiteral(" in ") + LineCountText(command->IndexCount());
}

void TForm1::RestoreSelection(const std::vector<int>& lines)
{
    DeselectAll();
    SelectRows(lines);
    SyncRunsFromList();
    UpdateMeanIfShown();
    ShowCurrentValueUnlessTyped();
}

// The field shows the value of the line now current, unless it holds what
// the user typed.
void TForm1::ShowCurrentValueUnlessTyped()
{
    if (Edit1->isModified())
        return;
    ShowValueInEdit1(ItemIndex());
    Edit1->selectAll();
}
