#include "app/TForm1.h"

#include "controls/HistoryKeys.h"
#include "controls/ListBox.h"
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

}  // namespace

void TForm1::CreateUndoItems()
{
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(UndoLimit);
    Rckgngig1 = AddItem(Bearbeiten1, "Rckgngig1", QStringLiteral("&Rückgängig"), &TForm1::Rckgngig1Click);
    Wiederherstellen1 =
        AddItem(Bearbeiten1, "Wiederherstellen1", QStringLiteral("&Wiederherstellen"), &TForm1::Wiederherstellen1Click);
    Rckgngig1->setShortcuts(UndoKeys());
    Wiederherstellen1->setShortcuts(RedoKeys());
    Bearbeiten1->addSeparator();
    // Nothing to undo before a document exists.
    Rckgngig1->setEnabled(false);
    Wiederherstellen1->setEnabled(false);
}

// A new or opened document starts without history; a save marks the state
// that equals the file, and the changed flag follows it from then on.
void TForm1::ConnectUndo()
{
    connect(document_.get(), &TDocument::Presented, undoStack_, &QUndoStack::clear);
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { document_->SetModified(!clean); });
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
    const bool loaded = document_->Loaded();
    Rckgngig1->setEnabled(loaded && undoStack_->canUndo());
    Wiederherstellen1->setEnabled(loaded && undoStack_->canRedo());
    Rckgngig1->setText(UndoCaption(QStringLiteral("&Rückgängig"), undoStack_->index() - 1));
    Wiederherstellen1->setText(UndoCaption(QStringLiteral("&Wiederherstellen"), undoStack_->index()));
}

// "&Rückgängig: Wert 1,5 in 120 Zeilen", the value as the list shows it now,
// or "&Rückgängig: Linear verbinden in 7 Zeilen".
QString TForm1::UndoCaption(const QString& action, int step) const
{
    const auto* command = dynamic_cast<const TValueStep*>(undoStack_->command(step));
    if (!command)
        return action;
    const auto* edit = dynamic_cast<const TValueEdit*>(command);
    const QString what = edit ? QStringLiteral("Wert ") + FormatValue(edit->Value(), NumberMode(), UserDecimalSeparator())
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
