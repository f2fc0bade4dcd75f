#pragma once

#include "diagram/DiagramScene.h"
#include "surface/PictureFormat.h"
#include "values/NumberFormat.h"
#include "values/ValueFile.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;
class TDiagram;

// The whole diagram surface as the window paints it: its diagram and scene,
// its size, the colour behind it and the font of its labels.
struct TDiagramPicture {
    const TDiagram* Diagram = nullptr;
    TDiagramScene Scene;
    QSize Surface;
    QColor Background;
    QFont Font;
};

// Paints the picture with its top left corner at the painter's origin, within
// `clip` (surface coordinates; the whole surface when empty).
void PaintDiagramPicture(QPainter& painter, const TDiagramPicture& picture, const QRect& clip = {});
// Throws the picture's memory error (PictureError.h) when the image's pixels
// cannot be had.
[[nodiscard]] QImage DiagramImage(const TDiagramPicture& picture);
// The bytes of a picture file: a PNG of exactly the window's pixels, or an
// SVG or PDF drawing of the same shapes, one pixel to one unit. A picture
// that cannot be drawn or encoded whole throws the picture's memory error;
// it never comes back empty.
[[nodiscard]] QByteArray EncodeDiagramPicture(const TDiagramPicture& picture, TPictureFormat format);

// The picture a freshly started window shows of `values` in `numberMode`
// after `zoomSteps` presses of "+" (0 up to ZoomInSteps()), the surface
// `surfaceWidth` wide (SurfaceWidth at "Originalgröße"): the curve in its
// start colour and width, no selection, the labels in the editor's font.
[[nodiscard]] QByteArray EncodeStartupPicture(const TValueBuffer& values, TNumberMode numberMode, int zoomSteps,
                                              int surfaceWidth, const QColor& background, TPictureFormat format);
