#pragma once

#include "values/FileStamp.h"
#include "values/StreamOutput.h"

#include <QByteArray>
#include <QString>

#include <optional>

class TFileLook;

// How an output treats what it finds: the code that refuses a read-only
// file, and whether a pipe waits for its reader.
struct TOutputRules {
    int ReadOnlyCode;
    TWaitForReader Wait = TWaitForReader::No;
};

// Writes `bytes` as the whole new content of the file seen in `target`, by
// the same rules for every output of the program:
// - a pipe or a device is written directly (StreamOutput.h) and stays what
//   it is;
// - a read-only regular file is refused before anything is written, also
//   for root;
// - a regular file or a free name is replaced only once the new file is
//   complete and flushed to the disk (FileReplacement.h), so a failure
//   leaves any old file as it was and no new one;
// - a file that other names share, and a file that cannot be replaced with
//   its owner and group kept or whose folder takes no new file or refuses
//   the rename, is overwritten in place, so that every name keeps showing it
//   and it keeps its owner.
// Returns the stamp of the regular file written. Throws EInOutError.
std::optional<TFileStamp> WriteWholeOutput(const TFileLook& target, const QByteArray& bytes, const TOutputRules& rules);

// WriteWholeOutput for the name `path`; a read-only file fails with code 105.
void WriteWholeFile(const QString& path, const QByteArray& bytes, TWaitForReader wait = TWaitForReader::No);
