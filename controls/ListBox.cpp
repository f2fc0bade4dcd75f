#include "controls/ListBox.h"

#include "controls/KeyCodes.h"

#include <QKeyEvent>

namespace {

bool IsLeftButton(const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton;
}

} // namespace

TListBox::TListBox(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    // Whole lines per scroll step, so that the scroll position is the top line.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Qt would give the focus to a click of any button, before the list sees
    // it; the left press takes it itself.
    setFocusPolicy(Qt::TabFocus);
}

void TListBox::keyPressEvent(QKeyEvent* event)
{
    if (OnKeyDown)
        OnKeyDown(VirtualKeyCode(*event));
    QListView::keyPressEvent(event);
}

void TListBox::keyReleaseEvent(QKeyEvent* event)
{
    if (OnKeyUp && !event->isAutoRepeat())
        OnKeyUp(VirtualKeyCode(*event));
    QListView::keyReleaseEvent(event);
}

void TListBox::mousePressEvent(QMouseEvent* event)
{
    if (!IsLeftButton(event))
        return;
    setFocus(Qt::MouseFocusReason);
    QListView::mousePressEvent(event);
}

void TListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (IsLeftButton(event))
        QListView::mouseDoubleClickEvent(event);
}

void TListBox::mouseMoveEvent(QMouseEvent* event)
{
    // A drag with another button held must not select either.
    if (event->buttons() & Qt::LeftButton || event->buttons() == Qt::NoButton)
        QListView::mouseMoveEvent(event);
}

void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsLeftButton(event))
        QListView::mouseReleaseEvent(event);
    if (OnMouseUp)
        OnMouseUp();
}

// The view takes a line selected without Shift or Ctrl as the start of the
// next extension; a plain "Select" here makes it do so for the program's
// choice too, and keeps the lines already selected.
void TListBox::SelectAsAnchor(int row)
{
    SetCurrentBy(row, QItemSelectionModel::Select);
}

void TListBox::MoveCurrentTo(int row)
{
    SetCurrentBy(row, QItemSelectionModel::NoUpdate);
}

void TListBox::SetCurrentBy(int row, QItemSelectionModel::SelectionFlags command)
{
    programCommand_ = command;
    setCurrentIndex(model()->index(row, 0));
    programCommand_.reset();
}

QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (programCommand_)
        return *programCommand_;
    return QListView::selectionCommand(index, event);
}
