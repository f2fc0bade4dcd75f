#include "controls/PaintBox.h"

#include "diagram/Canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

void Forward(const std::function<void(QMouseEvent&)>& handler, QMouseEvent* event)
{
    if (handler)
        handler(*event);
}

} // namespace

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    // The scroll box behind it shows through.
    setAutoFillBackground(false);
}

void TPaintBox::paintEvent(QPaintEvent* event)
{
    if (!OnPaint)
        return;
    QPainter painter(this);
    TCanvas canvas(painter, TRect::FromQRect(event->rect()));
    OnPaint(canvas);
}

void TPaintBox::mousePressEvent(QMouseEvent* event)
{
    Forward(OnMouseDown, event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    Forward(OnMouseMove, event);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    Forward(OnMouseUp, event);
}

void TPaintBox::leaveEvent(QEvent*)
{
    if (OnMouseLeave)
        OnMouseLeave();
}

void TPaintBox::wheelEvent(QWheelEvent* event)
{
    if (OnWheel)
        OnWheel(*event);
    else
        event->ignore();
}
