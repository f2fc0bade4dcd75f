#include "values/StandardOutput.h"

#include "values/IoError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[nodiscard]] bool IsOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

[[nodiscard]] bool IsOpenForWriting(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && (flags & O_ACCMODE) != O_RDONLY;
}

} // namespace

void KeepStandardStreamsOpen()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (IsOpen(fd))
            continue;
        const int null = ::open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

void WriteStandardOutput(const QByteArray& bytes)
{
    if (!IsOpenForWriting(STDOUT_FILENO)) {
        const QString closed = QStringLiteral("Die Standardausgabe ist geschlossen");
        throw EInOutError(IoCode::NotOpenForOutput, closed, closed);
    }
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        ThrowIoError(errno != 0 ? errno : EIO, QString());
}

std::optional<TFileIdentity> StandardOutputIdentity()
{
    struct stat info { };
    if (::fstat(STDOUT_FILENO, &info) != 0)
        return std::nullopt;
    return IdentityOf(info);
}
