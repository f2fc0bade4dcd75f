#include "picture/PaletteImage.h"

#include <QHash>

#include <array>

namespace {

constexpr int MaxColors = 256;

// Hands out the index of each colour met, adding new ones to the table. A
// row alternates between a few colours (selection marks over every column),
// so the colours met last sit in a small table in front of the hash.
class TColorIndex {
public:
    // False when the colour would be one too many.
    bool Find(QRgb color, uchar& index)
    {
        TRecent& recent = recent_[(color ^ (color >> 8) ^ (color >> 16)) % RecentCount];
        if (recent.Color != color) {
            auto found = indices_.constFind(color);
            if (found == indices_.constEnd()) {
                if (table_.size() == MaxColors)
                    return false;
                found = indices_.insert(color, uchar(table_.size()));
                table_ << color;
            }
            recent = {color, *found};
        }
        index = recent.Index;
        return true;
    }

    [[nodiscard]] const QList<QRgb>& Table() const { return table_; }

private:
    static constexpr std::size_t RecentCount = 64;
    struct TRecent {
        // No colour of an opaque image, which every colour looked up is.
        QRgb Color = 0;
        uchar Index = 0;
    };

    QList<QRgb> table_;
    QHash<QRgb, uchar> indices_;
    std::array<TRecent, RecentCount> recent_{};
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
