#include "picture/PrintPages.h"

#include "picture/PictureError.h"
#include "values/Errors.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

constexpr double HeaderPointSize = 10.0;

// The part of the surface one page holds and how it is laid out there.
struct TPageLayout {
    QRect Area;
    int HeaderHeight = 0;
    double Scale = 1.0;
    int SliceHeight = 1;
    int PageCount = 1;
};

TPageLayout LayOut(const QPagedPaintDevice& device, const QFont& headerFont, QSize surface)
{
    TPageLayout layout;
    layout.Area = QRect(0, 0, device.width(), device.height());
    const QFontMetrics metrics(headerFont, &device);
    layout.HeaderHeight = metrics.height() * 3 / 2;
    layout.Scale = double(layout.Area.width()) / surface.width();
    const int below = std::max(layout.Area.height() - layout.HeaderHeight, 1);
    layout.SliceHeight = std::max(int(std::floor(below / layout.Scale)), 1);
    layout.PageCount = (surface.height() + layout.SliceHeight - 1) / layout.SliceHeight;
    return layout;
}

[[noreturn]] void ThrowPrinterError()
{
    throw EKoravError(QStringLiteral("Der Drucker kann nicht beschrieben werden"));
}

QString PageHeader(const QString& header, int page, int pageCount)
{
    if (pageCount == 1)
        return header;
    return header + QStringLiteral(" · Seite %1 von %2").arg(page + 1).arg(pageCount);
}

void PrintPage(QPainter& painter, const TPageLayout& layout, int page, const TDiagramPicture& picture)
{
    const int top = page * layout.SliceHeight;
    const QRect slice(0, top, picture.Surface.width(), std::min(layout.SliceHeight, picture.Surface.height() - top));
    painter.save();
    painter.translate(0, layout.HeaderHeight);
    painter.scale(layout.Scale, layout.Scale);
    painter.translate(0, -top);
    painter.setClipRect(slice);
    PaintDiagramPicture(painter, picture, slice);
    painter.restore();
}

void PrintAllPages(QPainter& painter, QPagedPaintDevice& device, const QString& header, const TDiagramPicture& picture)
{
    QFont headerFont = picture.Font;
    headerFont.setPointSizeF(HeaderPointSize);
    const TPageLayout layout = LayOut(device, headerFont, picture.Surface);
    painter.setFont(headerFont);
    for (int page = 0; page < layout.PageCount; ++page) {
        if (page > 0 && !device.newPage())
            ThrowPrinterError();
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, layout.Area.width(), layout.HeaderHeight), Qt::AlignLeft | Qt::AlignTop,
                         PageHeader(header, page, layout.PageCount));
        PrintPage(painter, layout, page, picture);
    }
}

} // namespace

QString PrintHeader(const QString& fileName, const QDate& date, TNumberMode numberMode)
{
    return fileName + QStringLiteral(" · ") + date.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" · ") +
        NumberModeCaption(numberMode);
}

// Every step that can fail is checked: a print that went wrong says so
// instead of leaving an empty or cut-off job.
void PrintDiagramPages(QPagedPaintDevice& device, const QString& header, const TDiagramPicture& picture)
{
    QPainter painter;
    if (!painter.begin(&device))
        ThrowPrinterError();
    try {
        PrintAllPages(painter, device, header, picture);
    } catch (const std::bad_alloc&) {
        ThrowPictureMemoryError();
    }
    if (!painter.end())
        ThrowPrinterError();
}
