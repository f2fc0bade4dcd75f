#pragma once

#include "values/IoError.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <sys/stat.h>

// A file descriptor that is closed on every path. Every failure throws the
// mapped EInOutError, so callers read as the plain sequence of steps.
class TPosixFile {
public:
    TPosixFile(const QString& path, int flags);
    ~TPosixFile();
    TPosixFile(TPosixFile&& other) noexcept;
    TPosixFile(const TPosixFile&) = delete;
    TPosixFile& operator=(const TPosixFile&) = delete;

    // Opens without throwing; IsOpen() tells whether it worked, OpenError()
    // why not.
    static TPosixFile TryOpen(const QString& path, int flags);

    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    [[nodiscard]] int OpenError() const { return openError_; }
    // Reads from offset 0 until `size` bytes or the end of the file; returns the count.
    [[nodiscard]] std::size_t ReadAt0(char* data, std::size_t size);
    // Writes at offset 0 until `size` bytes are written or a call writes
    // nothing; returns the count. A failing call throws its system error.
    [[nodiscard]] std::size_t WriteAt0(const char* data, std::size_t size);
    // Writes all of `bytes` at the current position, for files that have no
    // offsets (a pipe, a device) as for any other. A short write is a full
    // disk; a failing call throws its system error. On a descriptor that
    // does not block, a reader that takes nothing for StallLimitMs fails
    // the write with EAGAIN's error.
    void WriteAll(const QByteArray& bytes);
    // Every byte from `offset` to the end of the file.
    [[nodiscard]] QByteArray ReadFrom(std::size_t offset);
    [[nodiscard]] struct stat Status() const;
    void Truncate(std::size_t size);
    // Flushes what was written to the disk.
    void Flush();
    [[nodiscard]] int Descriptor() const { return fd_; }
    void Close();

    static constexpr int StallLimitMs = 5000;

private:
    TPosixFile(const QString& path, int flags, bool mustOpen);
    // Repeats `call(done)` until `size` bytes moved or a call moved none.
    template <typename Call> std::size_t Repeat(std::size_t size, Call call);
    [[nodiscard]] bool WaitUntilWritable() const;

    QString path_;
    int fd_ = -1;
    int openError_ = 0;
};

// True for anything but a regular file's name (missing, folder, invalid).
[[nodiscard]] bool IsExistingFile(const QString& path);

// Names that no file system call can take: empty or with a NUL character.
[[nodiscard]] bool IsUsableFileName(const QString& path);

// The error for a name that names no file to open: a folder says that it is
// one, anything else is "Datei nicht gefunden".
[[nodiscard]] EInOutError NoFileError(const QString& path);
