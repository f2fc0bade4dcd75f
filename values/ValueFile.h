#pragma once

#include "values/FileStamp.h"
#include "values/StreamOutput.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

constexpr int ValueCount = 2500;
constexpr int ValueFileSize = 2 * ValueCount;

// The name of a document that has no file yet.
inline const QString NewDocumentName = QStringLiteral("Neue Datei");

// The document's values, in the order of the file.
using TValueBuffer = std::array<std::int16_t, ValueCount>;

// Reads the first ValueFileSize bytes of `name` into `buffer`. Returns false,
// changing nothing, when no file of that name exists. Throws EInOutError when
// the file cannot be read; `buffer` is then untouched, so a failed open never
// leaves half a file in the document. A pipe or a device is refused in
// words before it is opened. `seen`, when given, gets the stamp of the file
// as it was read.
[[nodiscard]] bool LoadValueFile(const QString& name, TValueBuffer& buffer, TFileStamp* seen = nullptr);

// Writes `buffer` over the first ValueFileSize bytes of `name`, keeping any
// bytes after them, creating the file when there is none, by the rules of
// every output (WriteWholeOutput in WholeFile.h): the new content replaces
// the file only once it is complete on the disk, so a failed save leaves the
// old file whole and creates none; a file that other names share or that
// cannot be replaced with its owner kept is overwritten in place; a pipe or
// a device gets the values as a stream. Throws EInOutError on failure; a
// read-only file is refused before anything is written. Returns the stamp of
// the regular file written.
std::optional<TFileStamp> SaveValueFile(const QString& name, const TValueBuffer& buffer,
                                        TWaitForReader wait = TWaitForReader::No);

// True for the names value files carry: .kos, .koe and the siblings .k1 to
// .k99, in either case.
[[nodiscard]] bool IsValueFileName(const QString& name);
