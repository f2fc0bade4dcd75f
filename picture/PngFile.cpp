#include "picture/PngFile.h"

#include <QBuffer>
#include <QSysInfo>

#include <png.h>
#include <zlib.h>

#include <new>

namespace {

// No exception may cross libpng's frames: a failed allocation of the
// growing file becomes libpng's own error, which leaves by longjmp.
void AppendToBytes(png_structp png, png_bytep data, png_size_t size)
{
    bool appended = true;
    try {
        static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), qsizetype(size));
    } catch (const std::bad_alloc&) {
        appended = false;
    }
    if (!appended)
        png_error(png, "no memory for the file");
}

void NoFlush(png_structp)
{
}

// False when libpng gave up; `bytes` then holds an incomplete file. No object
// with a destructor lives in this frame, as libpng leaves it by longjmp.
bool WriteRows(png_structp png, png_infop info, const QImage& image, QByteArray& bytes)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &bytes, AppendToBytes, NoFlush);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Most rows of a diagram repeat the row above: the "up" filter turns them
    // into zeros, and run-length coding packs zeros fastest of all. Trying
    // every filter on every row, as libpng would, costs more than it saves.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    // The rows go in as they lie in memory, 0xffRRGGBB words, with the
    // padding byte dropped on the way out.
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

QByteArray EncodeWithQt(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace

QByteArray EncodePng(const QImage& image)
{
    const QImage rows = image.convertToFormat(QImage::Format_RGB32);
    if (rows.isNull())
        return {};
    QByteArray bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool written = info && WriteRows(png, info, rows, bytes);
    png_destroy_write_struct(&png, &info);
    // libpng refuses only what Qt's own writer handles too, if more slowly.
    return written ? bytes : EncodeWithQt(rows);
}
