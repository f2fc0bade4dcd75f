#include "app/ListBox.h"

#include "app/KeyCodes.h"

#include <QKeyEvent>

TListBox::TListBox(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    // Whole lines per scroll step, so that the scroll position is the top line.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
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

void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (OnMouseUp)
        OnMouseUp();
}
