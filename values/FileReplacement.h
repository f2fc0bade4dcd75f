#pragma once

#include <QByteArray>
#include <QString>

// How ReplaceFile ended when it threw nothing.
enum class TReplaceResult {
    Replaced,
    // The folder cannot take a new file (no write permission); nothing was
    // written and the target is as it was.
    FolderRefused,
};

// Puts a file holding exactly `content` in place of the regular file `path`
// or under the new name `path`: the content goes into a temporary file in
// the target's folder, which is flushed to the disk and then renamed over
// the target. A symbolic link stays a link and the file it points to is
// replaced; the new file keeps the old one's permission bits, and its owner
// and group where the process may set them. Throws EInOutError for any other
// failure; the target and its folder are then exactly as they were.
[[nodiscard]] TReplaceResult ReplaceFile(const QString& path, const QByteArray& content);

// The file a name ends at after following every symbolic link, also when the
// last link points at no file yet; the name itself when it is no link.
[[nodiscard]] QString LinkTarget(const QString& path);
