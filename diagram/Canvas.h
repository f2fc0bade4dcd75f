#pragma once

#include "diagram/Rect.h"

#include <QColor>
#include <QPoint>
#include <QRegion>
#include <QString>

#include <span>

class QPainter;

enum class TBrushStyle { Solid, Clear };

// Colours travel as 0x00BBGGRR, red in the low byte.
[[nodiscard]] QColor ToQColor(int color);

// The pixels a focus rectangle inverts: its one-pixel outline, each pixel once.
[[nodiscard]] QRegion FocusOutline(const TRect& rect);

// Drawing with the pixel rules the diagram is laid out for: a line covers its
// start pixel and not its end pixel whatever its direction, rectangles leave
// out their right column and bottom row, nothing is antialiased. QPainter's
// own line drawing covers the end pixel or, with a flat cap, swaps the ends of
// lines drawn upwards or leftwards, so lines are rasterised here.
class TCanvas {
public:
    // `clip` is the part of the surface being painted; drawing outside it is
    // dropped.
    TCanvas(QPainter& painter, const TRect& clip);

    void SetPenColor(int color) { penColor_ = color; }
    void SetPenWidth(int width) { penWidth_ = width; }
    void SetBrushColor(int color) { brushColor_ = color; }
    void SetBrushStyle(TBrushStyle style) { brushStyle_ = style; }
    [[nodiscard]] const TRect& ClipRect() const { return clip_; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(QPoint from, QPoint to);
    // Fills with the brush; a clear brush fills nothing.
    void FillRect(const TRect& rect);
    // Fills with the brush, then outlines the closed figure with the pen;
    // the pen position stays.
    void Polygon(std::span<const QPoint> points);
    // `x`, `y` is the top left corner of the text; a solid brush paints the
    // text's background, a clear one leaves it.
    void TextOut(int x, int y, const QString& text);
    [[nodiscard]] int TextWidth(const QString& text) const;
    [[nodiscard]] int TextHeight(const QString& text) const;
    // Inverts the outline, so drawing the same rectangle again restores it.
    void DrawFocusRect(const TRect& rect);

private:
    // A pen wider than one pixel paints a square of its width around every
    // pixel of the thin line.
    void StampPen(const QRect& pixels);
    void Stroke(QPoint from, QPoint to);
    void StrokeStraight(QPoint from, QPoint to);
    void StrokeSlanted(QPoint from, QPoint to);

    QPainter& painter_;
    TRect clip_;
    QPoint penPos_;
    int penColor_ = 0;
    int penWidth_ = 1;
    int brushColor_ = 0xFFFFFF;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
};
