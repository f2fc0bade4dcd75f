#pragma once

#include <QByteArray>
#include <QImage>

// The bytes of a PNG file with exactly the image's pixels (opaque RGB).
// Tuned for diagrams: a surface of the largest zoom, 35 million pixels,
// encodes in a fraction of the time of Qt's general-purpose writer. Empty
// when the file cannot be made whole (too little memory).
[[nodiscard]] QByteArray EncodePng(const QImage& image);
