#include "bench/PaintWatcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

TPaintWatcher::TPaintWatcher(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool TPaintWatcher::WaitForPaint(int timeoutMs)
{
    const int before = paints_;
    const QDeadlineTimer deadline(timeoutMs);
    while (paints_ == before && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return paints_ > before;
}

bool TPaintWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++paints_;
    return QObject::eventFilter(watched, event);
}
