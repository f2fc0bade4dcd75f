#include "values/PosixFile.h"

#include "values/IoError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

TPosixFile::TPosixFile(const QString& path, int flags) : TPosixFile(path, flags, true)
{
}

TPosixFile::TPosixFile(const QString& path, int flags, bool mustOpen) : path_(path)
{
    if (!IsUsableFileName(path)) {
        if (mustOpen)
            throw EInOutError(IoCode::InvalidName);
        errno = openError_ = EINVAL;
        return;
    }
    do {
        fd_ = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0666);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ >= 0)
        return;
    openError_ = errno;
    if (mustOpen)
        ThrowIoError(openError_, path);
}

TPosixFile::TPosixFile(TPosixFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(other.fd_), openError_(other.openError_)
{
    other.fd_ = -1;
}

TPosixFile TPosixFile::TryOpen(const QString& path, int flags)
{
    return TPosixFile(path, flags, false);
}

TPosixFile::~TPosixFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

template <typename Call> std::size_t TPosixFile::Repeat(std::size_t size, Call call)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = call(done);
        if (n < 0 && (errno == EINTR || (errno == EAGAIN && WaitUntilWritable())))
            continue;
        if (n < 0)
            ThrowIoError(errno, path_);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::size_t TPosixFile::ReadAt0(char* data, std::size_t size)
{
    return Repeat(size,
                  [&](std::size_t done) { return ::pread(fd_, data + done, size - done, static_cast<off_t>(done)); });
}

std::size_t TPosixFile::WriteAt0(const char* data, std::size_t size)
{
    return Repeat(size,
                  [&](std::size_t done) { return ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done)); });
}

void TPosixFile::WriteAll(const QByteArray& bytes)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    const std::size_t written =
        Repeat(size, [&](std::size_t done) { return ::write(fd_, bytes.constData() + done, size - done); });
    if (written < size)
        throw EInOutError(IoCode::DiskFull);
}

QByteArray TPosixFile::ReadFrom(std::size_t offset)
{
    constexpr std::size_t Chunk = 65536;
    QByteArray bytes;
    for (;;) {
        const qsizetype start = bytes.size();
        bytes.resize(start + static_cast<qsizetype>(Chunk));
        const std::size_t got = Repeat(Chunk, [&](std::size_t done) {
            return ::pread(fd_, bytes.data() + start + done, Chunk - done,
                           static_cast<off_t>(offset + static_cast<std::size_t>(start) + done));
        });
        bytes.resize(start + static_cast<qsizetype>(got));
        if (got < Chunk)
            return bytes;
    }
}

// True once the other end takes bytes again or has gone (the next write
// then says so); false when it took none for StallLimitMs.
bool TPosixFile::WaitUntilWritable() const
{
    pollfd ready{fd_, POLLOUT, 0};
    int result = 0;
    do {
        result = ::poll(&ready, 1, StallLimitMs);
    } while (result < 0 && errno == EINTR);
    errno = EAGAIN;
    return result > 0;
}

struct stat TPosixFile::Status() const
{
    struct stat info { };
    if (::fstat(fd_, &info) != 0)
        ThrowIoError(errno, path_);
    return info;
}

void TPosixFile::Truncate(std::size_t size)
{
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
        ThrowIoError(errno, path_);
}

void TPosixFile::Flush()
{
    if (::fsync(fd_) != 0)
        ThrowIoError(errno, path_);
}

void TPosixFile::Close()
{
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowIoError(errno, path_);
}

bool IsExistingFile(const QString& path)
{
    if (!IsUsableFileName(path))
        return false;
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsUsableFileName(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(u'\0'));
}

EInOutError NoFileError(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return EInOutError(IoCode::FileNotFound);
    return EInOutError(IoCode::AccessDenied, QStringLiteral("%1 ist ein Ordner, keine Datei").arg(info.fileName()),
                       QStringLiteral("Das ist ein Ordner, keine Datei"));
}
