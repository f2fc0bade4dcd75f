#include "picture/PrintPages.h"

#include "diagram/AxisSetup.h"
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

void PrintAllPages(QPainter& painter, QPagedPaintDevice& device, const QString& header, const TDiagramPicture& picture,
                   const QRect& columns)
{
    QFont headerFont = picture.Font;
    headerFont.setPointSizeF(HeaderPointSize);
    const int headerHeight = QFontMetrics(headerFont, &device).height() * 3 / 2;
    const TPrintedDiagram printed(picture, columns, QSize(device.width(), device.height()), headerHeight);
    painter.setFont(headerFont);
    for (int page = 0; page < printed.PageCount(); ++page) {
        if (page > 0 && !device.newPage())
            ThrowPrinterError();
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, device.width(), headerHeight), Qt::AlignLeft | Qt::AlignTop,
                         PageHeader(header, page, printed.PageCount()));
        printed.PaintPage(painter, page);
    }
}

} // namespace

TPrintedDiagram::TPrintedDiagram(const TDiagramPicture& picture, const QRect& columns, QSize page, int headerHeight)
    : diagram_(*picture.Diagram), picture_(picture),
      columns_(columns.isEmpty() ? QRect(QPoint(0, 0), picture.Surface) : columns), headerHeight_(headerHeight)
{
    scale_ = double(page.width()) / columns_.width();
    const int below = std::max(page.height() - headerHeight, 1);
    sliceHeight_ = std::max(int(std::floor(below / scale_)), 1);
    pageCount_ = std::max((picture.Surface.height() + sliceHeight_ - 1) / sliceHeight_, 1);
    picture_.Surface.setHeight(pageCount_ * sliceHeight_);
    SetupAxis(diagram_, picture.Scene.Mode, picture_.Surface);
    picture_.Diagram = &diagram_;
}

void TPrintedDiagram::PaintPage(QPainter& painter, int page) const
{
    const QRect slice(columns_.left(), page * sliceHeight_, columns_.width(), sliceHeight_);
    painter.save();
    painter.translate(0, headerHeight_);
    painter.scale(scale_, scale_);
    painter.translate(-slice.topLeft());
    painter.setClipRect(slice);
    PaintDiagramPicture(painter, picture_, slice);
    painter.restore();
}

QString PrintHeader(const QString& fileName, const QDate& date, TNumberMode numberMode)
{
    return fileName + QStringLiteral(" · ") + date.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" · ") +
        NumberModeCaption(numberMode);
}

// Every step that can fail is checked: a print that went wrong says so
// instead of leaving an empty or cut-off job.
void PrintDiagramPages(QPagedPaintDevice& device, const QString& header, const TDiagramPicture& picture,
                       const QRect& columns)
{
    QPainter painter;
    if (!painter.begin(&device))
        ThrowPrinterError();
    try {
        PrintAllPages(painter, device, header, picture, columns);
    } catch (const std::bad_alloc&) {
        ThrowPictureMemoryError();
    }
    if (!painter.end())
        ThrowPrinterError();
}
