#include "picture/PaletteImage.h"

#include <QHash>

namespace {

constexpr int MaxColors = 256;

// Hands out the index of each colour met, adding new ones to the table; the
// colour of the pixel before is kept at hand, as runs of one colour are the
// rule in a diagram.
class TColorIndex {
public:
    // False when the colour would be one too many.
    bool Find(QRgb color, uchar& index)
    {
        if (color == last_) {
            index = lastIndex_;
            return true;
        }
        auto found = indices_.constFind(color);
        if (found == indices_.constEnd()) {
            if (table_.size() == MaxColors)
                return false;
            found = indices_.insert(color, uchar(table_.size()));
            table_ << color;
        }
        last_ = color;
        lastIndex_ = *found;
        index = lastIndex_;
        return true;
    }

    [[nodiscard]] const QList<QRgb>& Table() const { return table_; }

private:
    QList<QRgb> table_;
    QHash<QRgb, uchar> indices_;
    // No colour of an opaque image, which every colour looked up is.
    QRgb last_ = 0;
    uchar lastIndex_ = 0;
};

}  // namespace

std::optional<QImage> PaletteImage(const QImage& image)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    TColorIndex colors;
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* indices = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (!colors.Find(pixels[x] | 0xFF000000u, indices[x]))
                return std::nullopt;
    }
    indexed.setColorTable(colors.Table());
    return indexed;
}
