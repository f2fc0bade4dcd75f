#pragma once

#include "values/FileStamp.h"
#include "values/PosixFile.h"

#include <QString>

#include <sys/stat.h>

// One look at what a name leads to, taken once and carried along, so that
// every decision about the file is made from the same sight of it and every
// later open reaches the very file that was seen, even when the name is
// given to another file meanwhile.
class TFileLook {
public:
    // Follows the name's symbolic links and holds on to what they end at.
    explicit TFileLook(const QString& path);

    // The name the links end at: the name a replacement takes.
    [[nodiscard]] const QString& Name() const { return name_; }
    [[nodiscard]] bool Exists() const { return handle_.IsOpen(); }
    // Why nothing was seen: ENOENT for a free name, EINVAL for an unusable
    // one, or the system's error (a folder that may not be searched, say).
    [[nodiscard]] int LookError() const { return handle_.OpenError(); }
    [[nodiscard]] bool IsFolder() const { return Exists() && S_ISDIR(info_.st_mode); }
    [[nodiscard]] bool IsRegular() const { return Exists() && S_ISREG(info_.st_mode); }
    // A pipe, a device or a socket.
    [[nodiscard]] bool IsSpecial() const { return Exists() && !IsFolder() && !IsRegular(); }
    [[nodiscard]] bool IsSocket() const { return Exists() && S_ISSOCK(info_.st_mode); }
    [[nodiscard]] bool IsReadOnly() const { return IsReadOnlyMode(info_); }
    // A regular file that other names share: it must stay the file they show.
    [[nodiscard]] bool IsShared() const { return IsRegular() && info_.st_nlink > 1; }
    [[nodiscard]] const struct stat& Info() const { return info_; }

    // Opens the file that was seen; throws as TPosixFile does.
    [[nodiscard]] TPosixFile Reopen(int flags) const;
    [[nodiscard]] TPosixFile TryReopen(int flags) const;

private:
    QString name_;
    TPosixFile handle_;
    struct stat info_ { };
};
