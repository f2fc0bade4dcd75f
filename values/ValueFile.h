#pragma once

#include <QString>

#include <array>
#include <cstdint>

constexpr int ValueCount = 2500;
constexpr int ValueFileSize = 2 * ValueCount;

// The name of a document that has no file yet.
inline const QString NewDocumentName = QStringLiteral("Neue Datei");

// The document's values, in the order of the file.
using TValueBuffer = std::array<std::int16_t, ValueCount>;

// Reads the first ValueFileSize bytes of `name` into `buffer`. Returns false,
// changing nothing, when no file of that name exists. Throws EInOutError when
// the file cannot be read; `buffer` is then untouched, so a failed open never
// leaves half a file in the document.
[[nodiscard]] bool LoadValueFile(const QString& name, TValueBuffer& buffer);

// Writes `buffer` over the first ValueFileSize bytes of `name`, keeping any
// bytes after them, creating the file when there is none. The new content
// replaces the file only once it is complete on the disk, so a failed save
// leaves the old file whole and creates none. A file that other names share,
// a file that is no regular one and a file in a folder that takes no new file
// are overwritten in place instead. Throws EInOutError on failure; a
// read-only file is refused before anything is written.
void SaveValueFile(const QString& name, const TValueBuffer& buffer);

// True for the names value files carry: .kos, .koe and the siblings .k1 to
// .k99, in either case.
[[nodiscard]] bool IsValueFileName(const QString& name);
