#pragma once

#include "values/FileStamp.h"
#include "values/PosixFile.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// A new file in the folder of `target` that becomes the target only at the
// end. Where the file system offers unnamed files (ext4, xfs, btrfs, tmpfs)
// it has no name until then, so a crash at any moment before leaves nothing
// behind; elsewhere it is a hidden name beside the target that no other
// writer picks, removed again unless it took the target's place.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const QString& target);
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    // The system's error when no file could be made; 0 otherwise.
    [[nodiscard]] int CreationError() const { return file_.IsOpen() ? 0 : file_.OpenError(); }
    // Gives the file the owner, group and permission bits of `old`; false,
    // changing nothing else, when this process may not give it that owner
    // or group.
    [[nodiscard]] bool TakeOverAttributes(const struct stat& old);
    // Writes `content` and flushes it to the disk; the stamp the file has then.
    [[nodiscard]] TFileStamp Write(const QByteArray& content);
    // Puts the file in place of `target`, or under the free name `target`.
    // False, with the target as it was, when the folder refuses the rename.
    [[nodiscard]] bool PutInPlaceOf(const QString& target, bool targetExists);

private:
    [[nodiscard]] int LinkAs(const QString& name) const;
    [[nodiscard]] bool RenameOver(const QString& target);

    QString target_;
    QString name_;
    TPosixFile file_;
    bool unnamed_;
    // A name of the file's own is in the folder and must go again.
    bool named_;
};

// The hidden name beside `target` that a temporary file gets, at most 255
// bytes long however long the target's name is.
[[nodiscard]] QString TemporaryName(const QString& target);
