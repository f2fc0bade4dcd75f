#include "app/TForm1.h"

#include "controls/FocusReason.h"
#include "controls/HistoryKeys.h"
#include "controls/KeyCodes.h"
#include "controls/ListBox.h"
#include "document/Document.h"
#include "history/ValueEdit.h"
#include "values/NumberFormat.h"

#include <QAction>
#include <QFocusEvent>
#include <QLineEdit>
#include <QUndoStack>

#include <algorithm>

namespace {

bool MovesToAnotherControl(const QEvent* event)
{
    return IsMoveToAnotherControl(static_cast<const QFocusEvent*>(event)->reason());
}

// Decides a key before a field and the window's shortcuts see it; true when
// it is decided here. Undo and redo act on what the user typed into the
// field, for every key of the window's items (Qt's field knows only the
// platform's, and would leave Strg+Y to the menu); without typed text they
// reach the document's history. Strg+Entf belongs to "&Löschen", not to the
// field's delete-word.
bool TakeFieldKey(QLineEdit& edit, QKeyEvent& key)
{
    const bool undo = IsUndoKey(key);
    const bool history = undo || IsRedoKey(key);
    if (key.type() == QEvent::ShortcutOverride) {
        if (history && edit.isModified())
            key.accept();
        return history || (key.key() == Qt::Key_Delete && key.modifiers() == Qt::ControlModifier);
    }
    if (!history || !edit.isModified())
        return false;
    if (undo)
        edit.undo();
    else
        edit.redo();
    return true;
}

} // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
        TakeFieldKey(*static_cast<QLineEdit*>(watched), *static_cast<QKeyEvent*>(event)))
        return true;
    if (watched != Edit1)
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::KeyPress) {
        const int key = VirtualKeyCode(*static_cast<QKeyEvent*>(event));
        Guard([this, key] { Edit1KeyDown(key); });
    } else if (type == QEvent::FocusIn && MovesToAnotherControl(event)) {
        Guard([this] { Edit1Enter(); });
    } else if (type == QEvent::FocusOut && MovesToAnotherControl(event)) {
        GuardFocusChange([this] { Edit1Exit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::MoveFocus(QWidget* target)
{
    QWidget* previous = focusWidget();
    if (previous == target || !IsShown(target))
        return;
    target->setFocus(Qt::OtherFocusReason);
    if (isActiveWindow())
        return;
    // An inactive window gets no focus events; the handlers still run now.
    if (previous == Edit1)
        Edit1Exit();
    if (target == Edit1)
        Edit1Enter();
}

void TForm1::Edit1Enter()
{
    Edit1->setText(ValueText(ItemIndex()));
    Edit1->selectAll();
}

void TForm1::Edit1Exit()
{
    if (Edit1->isModified())
        CommitEdit();
}

// A value typed but not committed goes into the document before it is saved
// or closed, as leaving the field and coming back would commit it: the field
// then shows the current line's value again, untouched, so that leaving it
// later commits nothing twice. A rejected entry stays in the field.
void TForm1::CommitTypedValue()
{
    if (!Edit1->isModified())
        return;
    const TDocument::TRevision before = document_->Revision();
    Edit1Exit();
    if (document_->Revision() != before)
        Edit1Enter();
}

void TForm1::CommitEdit()
{
    if (Edit1->text().isEmpty() || !IsShown(ListBox1)) {
        DeselectAll();
        return;
    }
    const TParseResult parsed = ParseValue(Edit1->text().left(10), NumberMode());
    if (parsed.ErrorPos != 0 || parsed.Value < -32768 || parsed.Value > 32767) {
        DeselectAll();
        return;
    }
    // The lines and the diagram follow the document. A commit without a
    // selected line changes no value and leaves no step to undo.
    const std::vector<int> lines = SelectedLines();
    const auto value = static_cast<std::int16_t>(parsed.Value);
    if (lines.empty())
        document_->SetValues(lines, value);
    else
        undoStack_->push(new TValueEdit(*document_, lines, value,
                                        [this](const std::vector<int>& edited) { RestoreSelection(edited); }));
    DeselectAll();
}

// Every run of selected lines takes the straight line between its
// neighbours; the selection stays for a look at the result.
void TForm1::Linearverbinden1Click()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty())
        return;
    // All lines selected have no neighbour to bridge between.
    if (int(lines.size()) == ValueCount) {
        ShowStatusMessage(
            QStringLiteral("Nichts zu verbinden: Alle Zeilen sind ausgewählt, keine hat einen Nachbarn."));
        return;
    }
    undoStack_->push(
        new TLinearBridge(*document_, lines, [this](const std::vector<int>& bridged) { RestoreSelection(bridged); }));
    UpdateMeanIfShown();
    ShowCurrentValueUnlessTyped();
}

void TForm1::ShowValueInEdit1(int line)
{
    Edit1->setText(ValueText(line));
}

void TForm1::MoveInEdit1(int step)
{
    if (Edit1->isModified()) {
        CommitEdit();
    } else {
        DeselectAll();
        MoveFocus(ListBox1);
    }
    SelectLine(std::clamp(ItemIndex() + step, 0, ValueCount - 1));
    ShowValueInEdit1(ItemIndex());
    Edit1->selectAll();
    UpdateMeanIfShown();
}

void TForm1::Edit1KeyDown(int key)
{
    if (!IsShown(ListBox1))
        return;
    if (key == VirtualKey::Return || key == VirtualKey::Down)
        MoveInEdit1(+1);
    else if (key == VirtualKey::Up)
        MoveInEdit1(-1);
}
