#include "app/TForm1.h"

#include "app/KeyCodes.h"
#include "app/ListBox.h"
#include "diagram/PaintBox.h"
#include "diagram/SelectionRuns.h"
#include "diagram/TDiagram.h"
#include "values/GeneralFormat.h"
#include "values/NumberFormat.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>
#include <cmath>

namespace {

QChar decimalSeparator()
{
    return QLocale().decimalPoint().front();
}

bool isProgramFocusChange(const QEvent* event)
{
    // Opening a menu or switching windows is not a move to another control.
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

void TForm1::connectListHandlers()
{
    ListBox1->OnKeyDown = [this](int key) { Guard([this, key] { ListBox1KeyDown(key); }); };
    ListBox1->OnKeyUp = [this](int key) { Guard([this, key] { ListBox1KeyUp(key); }); };
    ListBox1->OnMouseUp = [this] { Guard([this] { ListBox1MouseUp(); }); };
    for (QLineEdit* edit : {Edit1, Edit2, Edit3})
        edit->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        // Ctrl+Del belongs to "&Löschen", not to the field's delete-word.
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier;
    }
    if (watched != Edit1)
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::KeyPress) {
        const int key = VirtualKeyCode(*static_cast<QKeyEvent*>(event));
        Guard([this, key] { Edit1KeyDown(key); });
    } else if (type == QEvent::FocusIn && isProgramFocusChange(event)) {
        Guard([this] { Edit1Enter(); });
    } else if (type == QEvent::FocusOut && isProgramFocusChange(event)) {
        Guard([this] { Edit1Exit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

QString TForm1::ValueText(int index) const
{
    return FormatValue((*ValueBuffer)[index], NumberMode(), decimalSeparator());
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
void TForm1::selectWithCurrent(const QItemSelection& selection, int current)
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
    selectWithCurrent(selection, runs.back().Start + runs.back().Count - 1);
}

void TForm1::SelectRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    const auto [low, high] = std::minmax_element(rows.begin(), rows.end());
    selectWithCurrent(QItemSelection(listModel_->index(*low), listModel_->index(*high)), rows.back());
}

void TForm1::DeselectAll()
{
    ListBox1->selectionModel()->clearSelection();
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
    for (const int line : SelectedLines()) {
        (*ValueBuffer)[line] = static_cast<std::int16_t>(parsed.Value);
        listModel_->setData(listModel_->index(line), ValueLine(line));
    }
    DeselectAll();
    Modified = true;
    PaintBox1->update();
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
    if (Mittelwert1->isChecked())
        UpdateMean();
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
    if (Mittelwert1->isChecked())
        UpdateMean();
}

void TForm1::ListBox1MouseUp()
{
    Follow();
    MoveFocus(Edit1);
    if (Mittelwert1->isChecked())
        UpdateMean();
    SyncRunsFromList();
}

void TForm1::SyncRunsFromList()
{
    Diagram->ClearRuns();
    for (const int line : SelectedLines())
        Diagram->AddIndex(line);
    PaintBox1->update();
}

void TForm1::UpdateMean()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty()) {
        Edit3->clear();
        return;
    }
    double sum = 0.0;
    if (NumberMode() == HexMode) {
        for (const int line : lines)
            sum += static_cast<std::uint16_t>((*ValueBuffer)[line]);
        MeanValue = sum / static_cast<double>(lines.size());
        const auto truncated = static_cast<unsigned>(std::trunc(MeanValue));
        Edit3->setText(QStringLiteral("%1").arg(truncated, 4, 16, QLatin1Char('0')).toUpper());
    } else {
        const double divisor = NumberMode() == FixedPoint ? 1024.0 : 1.0;
        for (const int line : lines)
            sum += (*ValueBuffer)[line] / divisor;
        MeanValue = sum / static_cast<double>(lines.size());
        Edit3->setText(FormatGeneral(MeanValue, decimalSeparator()));
    }
    PaintBox1->update();
}

void TForm1::Mittelwert1Click()
{
    const bool on = Mittelwert1->isChecked();
    Edit3->setVisible(on);
    Label3->setVisible(on);
    if (on)
        UpdateMean();
    else
        PaintBox1->update();
}

void TForm1::RadioGroup1Click()
{
    const int top = TopIndex();
    FillList();
    SetTopIndex(top);
    SelectLines(Diagram->Runs());
    if (Mittelwert1->isChecked())
        UpdateMean();
    MoveFocus(Edit1);
    SetupAxisForMode();
}
