#include "diagram/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int TextColor = 0x000000;

// The distance covered after `step` of `steps` equal steps along `distance`,
// rounded to the pixel, a half towards the start: a line and its reverse
// then cover mirror images of each other.
int Along(int distance, int step, int steps)
{
    const std::int64_t twice = 2 * std::int64_t{step} * std::abs(distance);
    const int covered = int((twice + steps - 1) / (2 * std::int64_t{steps}));
    return distance < 0 ? -covered : covered;
}

// The last pixel a straight line from `from` to `to` covers: one back from its end.
int StepBack(int from, int to)
{
    return to - (to > from) + (to < from);
}

// The rectangle with the pixels `a` and `b` at opposite corners.
QRect Spanning(QPoint a, QPoint b)
{
    return {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))};
}

} // namespace

QColor ToQColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QRegion FocusOutline(const TRect& rect)
{
    if (rect.IsEmpty())
        return {};
    const QRect outer = rect.ToQRect();
    return QRegion(outer).subtracted(QRegion(outer.adjusted(1, 1, -1, -1)));
}

TCanvas::TCanvas(QPainter& painter, const TRect& clip) : painter_(painter), clip_(clip)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setClipRect(clip.ToQRect(), Qt::IntersectClip);
}

void TCanvas::MoveTo(int x, int y)
{
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    Line(penPos_, {x, y});
}

void TCanvas::Line(QPoint from, QPoint to)
{
    penPos_ = to;
    Stroke(from, to);
}

void TCanvas::Stroke(QPoint from, QPoint to)
{
    if (from == to)
        return;
    if (from.x() == to.x() || from.y() == to.y())
        StrokeStraight(from, to);
    else
        StrokeSlanted(from, to);
}

void TCanvas::StrokeStraight(QPoint from, QPoint to)
{
    StampPen(Spanning(from, {StepBack(from.x(), to.x()), StepBack(from.y(), to.y())}));
}

void TCanvas::StrokeSlanted(QPoint from, QPoint to)
{
    const QPoint delta = to - from;
    const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    for (int step = 0; step < steps; ++step) {
        const QPoint offset(Along(delta.x(), step, steps), Along(delta.y(), step, steps));
        StampPen(QRect(from + offset, QSize(1, 1)));
    }
}

void TCanvas::StampPen(const QRect& pixels)
{
    const int width = std::max(penWidth_, 1);
    const int before = width / 2;
    const int after = width - 1 - before;
    painter_.fillRect(pixels.adjusted(-before, -before, after, after), ToQColor(penColor_));
}

void TCanvas::FillRect(const TRect& rect)
{
    if (brushStyle_ == TBrushStyle::Solid && !rect.IsEmpty())
        painter_.fillRect(rect.ToQRect(), ToQColor(brushColor_));
}

void TCanvas::Polygon(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    if (brushStyle_ == TBrushStyle::Solid) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQColor(brushColor_));
        painter_.drawPolygon(points.data(), int(points.size()));
        painter_.setBrush(Qt::NoBrush);
    }
    QPoint previous = points.back();
    for (const QPoint& p : points) {
        Stroke(previous, p);
        previous = p;
    }
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    const QFontMetrics metrics = painter_.fontMetrics();
    if (brushStyle_ == TBrushStyle::Solid)
        painter_.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), ToQColor(brushColor_));
    painter_.setPen(ToQColor(TextColor));
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

int TCanvas::TextWidth(const QString& text) const
{
    return painter_.fontMetrics().horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const
{
    return painter_.fontMetrics().height();
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    const QPainter::CompositionMode mode = painter_.compositionMode();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect& part : FocusOutline(rect))
        painter_.fillRect(part, Qt::white);
    painter_.setCompositionMode(mode);
}
