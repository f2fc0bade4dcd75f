#include "values/WholeFile.h"

#include "values/IoError.h"
#include "values/PosixFile.h"

#include <QSaveFile>

#include <cerrno>

namespace {

// Qt leaves errno as the failing system call set it; a check Qt makes by
// itself (a folder as target) fails with errno still 0.
[[noreturn]] void ThrowLastError(const QString& path, int fallback)
{
    ThrowIoError(errno != 0 ? errno : fallback, path);
}

}  // namespace

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    if (!IsUsableFileName(path))
        throw EInOutError(IoCode::InvalidName);
    // The permission bits are checked here because root would replace the
    // file regardless of them.
    if (IsReadOnlyFile(path))
        throw EInOutError(IoCode::NotOpenForOutput);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowLastError(path, EISDIR);
    errno = 0;
    if (file.write(bytes) != bytes.size())
        ThrowLastError(path, ENOSPC);
    errno = 0;
    if (!file.commit())
        ThrowLastError(path, EIO);
}
