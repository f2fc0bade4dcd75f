#pragma once

#include <QImage>

#include <optional>

// `image` (32-bit RGB) as an image of 8-bit indices into a table of exactly
// its colours, pixel for pixel the same; nothing when it has more than 256.
// A PNG writer filters and compresses a quarter of the bytes then, and a
// diagram's few colours always fit.
[[nodiscard]] std::optional<QImage> PaletteImage(const QImage& image);
