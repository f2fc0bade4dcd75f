#include "picture/DiagramPicture.h"

#include "diagram/AxisSetup.h"
#include "diagram/Canvas.h"
#include "diagram/EditorFont.h"
#include "diagram/TDiagram.h"
#include "picture/PictureError.h"
#include "picture/PngFile.h"
#include "surface/Zoom.h"
#include "values/ProgramName.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <new>

namespace {

const QString& Creator = ProgramName;

// One unit of a vector picture is one pixel of the surface.
constexpr int VectorResolution = 72;

// A vector picture names the face the labels were really drawn with, not the
// family the window asks for and the system replaced.
TDiagramPicture WithResolvedFont(TDiagramPicture picture)
{
    picture.Font.setFamily(QFontInfo(picture.Font).family());
    return picture;
}

// A painter that found no memory for its device does not start, and one that
// ran out while drawing does not end well; either leaves no picture.
void RequireActive(const QPainter& painter)
{
    if (!painter.isActive())
        ThrowPictureMemoryError();
}

void Finish(QPainter& painter)
{
    if (!painter.end())
        ThrowPictureMemoryError();
}

QByteArray Whole(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        ThrowPictureMemoryError();
    return bytes;
}

QByteArray EncodeSvg(const TDiagramPicture& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(picture.Surface);
    generator.setViewBox(QRect(QPoint(0, 0), picture.Surface));
    generator.setResolution(VectorResolution);
    generator.setTitle(Creator);
    QPainter painter(&generator);
    RequireActive(painter);
    PaintDiagramPicture(painter, WithResolvedFont(picture));
    Finish(painter);
    return Whole(bytes);
}

QByteArray EncodePdf(const TDiagramPicture& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(Creator);
    writer.setResolution(VectorResolution);
    writer.setPageSize(QPageSize(QSizeF(picture.Surface), QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    RequireActive(painter);
    PaintDiagramPicture(painter, WithResolvedFont(picture));
    Finish(painter);
    return Whole(bytes);
}

QByteArray Encode(const TDiagramPicture& picture, TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Svg: return EncodeSvg(picture);
    case TPictureFormat::Pdf: return EncodePdf(picture);
    case TPictureFormat::Png: break;
    }
    return Whole(EncodePng(DiagramImage(picture)));
}

} // namespace

void PaintDiagramPicture(QPainter& painter, const TDiagramPicture& picture, const QRect& clip)
{
    const QRect area = clip.isEmpty() ? QRect(QPoint(0, 0), picture.Surface) : clip;
    painter.save();
    painter.fillRect(area, picture.Background);
    painter.setFont(picture.Font);
    TCanvas canvas(painter, TRect::FromQRect(area));
    PaintDiagram(canvas, *picture.Diagram, picture.Scene);
    painter.restore();
}

// QImage gives a null image when its pixels cannot be allocated.
QImage DiagramImage(const TDiagramPicture& picture)
{
    QImage image(picture.Surface, QImage::Format_RGB32);
    if (image.isNull())
        ThrowPictureMemoryError();
    QPainter painter(&image);
    RequireActive(painter);
    PaintDiagramPicture(painter, picture);
    Finish(painter);
    return image;
}

QByteArray EncodeDiagramPicture(const TDiagramPicture& picture, TPictureFormat format)
{
    try {
        return Encode(picture, format);
    } catch (const std::bad_alloc&) {
        ThrowPictureMemoryError();
    }
}

QByteArray EncodeStartupPicture(const TValueBuffer& values, TNumberMode numberMode, int zoomSteps, int surfaceWidth,
                                const QColor& background, TPictureFormat format)
{
    const QSize surface(surfaceWidth, ZoomedHeight(zoomSteps).value_or(StartupSurfaceHeight));
    TDiagram diagram(surface);
    SetupAxis(diagram, numberMode, surface);
    TDiagramScene scene;
    scene.Values = &values;
    scene.Mode = numberMode;
    return EncodeDiagramPicture({&diagram, scene, surface, background, EditorFont()}, format);
}
