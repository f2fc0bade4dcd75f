#pragma once

#include "picture/DiagramPicture.h"
#include "values/NumberFormat.h"

#include <QDate>
#include <QString>

class QPagedPaintDevice;

// The line above a printed diagram: the file, the day and the number
// representation.
[[nodiscard]] QString PrintHeader(const QString& fileName, const QDate& date, TNumberMode numberMode);

// Prints the picture scaled to the width of the printable area under
// `header`. A diagram too tall for one page goes on over further pages,
// each under the header with its page number. Throws EKoravError when the
// device cannot be printed on.
void PrintDiagramPages(QPagedPaintDevice& device, const QString& header, const TDiagramPicture& picture);
