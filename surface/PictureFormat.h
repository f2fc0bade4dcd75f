#pragma once

#include <QString>

#include <optional>

enum class TPictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension, in any case; nothing for
// any other name.
[[nodiscard]] std::optional<TPictureFormat> PictureFormatOf(const QString& path);
// The extension of `format` without its dot, as in "png".
[[nodiscard]] QString PictureSuffix(TPictureFormat format);
// `path` itself when it names a picture format, `path` with the extension
// of `fallback` added when it has none. Throws EKoravError naming the file
// and the three extensions for a name with any other extension.
[[nodiscard]] QString WithPictureSuffix(const QString& path, TPictureFormat fallback);
