#include "surface/PictureFormat.h"

#include "values/Errors.h"

#include <QFileInfo>

namespace {

constexpr TPictureFormat Formats[] = {TPictureFormat::Png, TPictureFormat::Svg, TPictureFormat::Pdf};

} // namespace

std::optional<TPictureFormat> PictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const TPictureFormat format : Formats)
        if (suffix.compare(PictureSuffix(format), Qt::CaseInsensitive) == 0)
            return format;
    return std::nullopt;
}

QString PictureSuffix(TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Svg: return QStringLiteral("svg");
    case TPictureFormat::Pdf: return QStringLiteral("pdf");
    case TPictureFormat::Png: break;
    }
    return QStringLiteral("png");
}

// "bild.jpg" saved as PNG under "bild.jpg.png" would surprise its author
// twice: by the name, and by the format behind it.
QString WithPictureSuffix(const QString& path, TPictureFormat fallback)
{
    if (PictureFormatOf(path))
        return path;
    const QFileInfo info(path);
    if (!info.suffix().isEmpty() && !info.completeBaseName().isEmpty())
        throw EKoravError(QStringLiteral("%1 endet nicht auf .png, .svg oder .pdf").arg(info.fileName()));
    return path + u'.' + PictureSuffix(fallback);
}
