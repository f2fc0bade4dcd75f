#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of the file `path`. A regular file
// or a new name is replaced only once the new file is complete and flushed
// to the disk, so a failure leaves any old file as it was and no new one. A
// target that exists and is no regular file (a named pipe, a device) is
// opened and written directly, as a shell's redirection would, and stays
// what it is. Throws EInOutError; a regular target without write permission
// fails with code 105.
void WriteWholeFile(const QString& path, const QByteArray& bytes);

// True when `path` names something that exists and is neither a regular
// file nor a folder, after following links.
[[nodiscard]] bool IsSpecialFile(const QString& path);
