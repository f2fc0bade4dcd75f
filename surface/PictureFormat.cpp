#include "surface/PictureFormat.h"

#include <QFileInfo>

namespace {

constexpr TPictureFormat Formats[] = {TPictureFormat::Png, TPictureFormat::Svg, TPictureFormat::Pdf};

}  // namespace

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

QString WithPictureSuffix(const QString& path, TPictureFormat fallback)
{
    if (PictureFormatOf(path))
        return path;
    return path + u'.' + PictureSuffix(fallback);
}
