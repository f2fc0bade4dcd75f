#include "values/FileLook.h"

#include "values/FileReplacement.h"

#include <fcntl.h>

namespace {

QString UsableTarget(const QString& path)
{
    return IsUsableFileName(path) ? LinkTarget(path) : path;
}

} // namespace

// O_PATH opens nothing: a pipe is not opened for reading by it, a device not
// woken, and a socket can be held too.
TFileLook::TFileLook(const QString& path) : name_(UsableTarget(path)), handle_(TPosixFile::TryOpen(name_, O_PATH))
{
    if (handle_.IsOpen())
        info_ = handle_.Status();
}

TPosixFile TFileLook::TryReopen(int flags) const
{
    TPosixFile file = TPosixFile::TryOpen(QStringLiteral("/proc/self/fd/%1").arg(handle_.Descriptor()), flags);
    // Without /proc mounted only the name is left to open.
    if (!file.IsOpen() && file.OpenError() == ENOENT)
        return TPosixFile::TryOpen(name_, flags);
    return file;
}

TPosixFile TFileLook::Reopen(int flags) const
{
    TPosixFile file = TryReopen(flags);
    if (!file.IsOpen())
        ThrowIoError(file.OpenError(), name_);
    return file;
}
