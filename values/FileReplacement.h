#pragma once

#include "values/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <optional>

class TFileLook;

// Puts a file holding exactly `content` in place of the regular file seen in
// `target` or under its free name: the content goes into a temporary file in
// the target's folder (TemporaryFile.h), which is flushed to the disk and
// then takes the target's place. A symbolic link stays a link and the file
// it points to is replaced; the new file has the old one's owner, group and
// permission bits. Returns the new file's stamp, or nothing, with the target
// and its folder as they were, where a replacement cannot be made so: the
// folder takes no new file, this process may not give the new file the old
// one's owner or group, or the folder refuses the rename (a sticky folder).
// The caller then writes in place. Throws EInOutError for any other failure;
// the target and its folder are then exactly as they were.
[[nodiscard]] std::optional<TFileStamp> ReplaceFile(const TFileLook& target, const QByteArray& content);

// The file a name ends at after following every symbolic link, also when the
// last link points at no file yet; the name itself when it is no link.
[[nodiscard]] QString LinkTarget(const QString& path);

// For tests: called once a replacement's content is complete on the disk,
// before it takes the target's place; nothing when `hook` is null.
void SetBeforeReplacingHook(void (*hook)());
