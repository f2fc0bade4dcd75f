#pragma once

#include "diagram/TDiagram.h"
#include "picture/DiagramPicture.h"
#include "values/NumberFormat.h"

#include <QDate>
#include <QRect>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// The line above a printed diagram: the file, the day and the number
// representation.
[[nodiscard]] QString PrintHeader(const QString& fileName, const QDate& date, TNumberMode numberMode);

// A diagram laid out on pages of one size, as a plotting program lays a plot
// out: the surface's columns `columns` across the page width, and the
// diagram drawn anew as high as whole pages below the header, as many as its
// zoomed height takes at that scale, at least one. So every page is full:
// none holds the header alone.
class TPrintedDiagram {
public:
    TPrintedDiagram(const TDiagramPicture& picture, const QRect& columns, QSize page, int headerHeight);
    TPrintedDiagram(const TPrintedDiagram&) = delete;
    TPrintedDiagram& operator=(const TPrintedDiagram&) = delete;

    [[nodiscard]] int PageCount() const { return pageCount_; }
    // Page `page`'s part of the diagram, below the header.
    void PaintPage(QPainter& painter, int page) const;

private:
    TDiagram diagram_;
    TDiagramPicture picture_;
    QRect columns_;
    int headerHeight_ = 0;
    double scale_ = 1.0;
    int sliceHeight_ = 1;
    int pageCount_ = 1;
};

// Prints `columns` of the picture (the whole surface when empty) on pages
// under `header`, each with its page number when there are several. Throws
// EKoravError when the device cannot be printed on, or the pages cannot be
// drawn.
void PrintDiagramPages(QPagedPaintDevice& device, const QString& header, const TDiagramPicture& picture,
                       const QRect& columns = {});
