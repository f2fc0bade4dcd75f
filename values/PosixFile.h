#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

// A file descriptor that is closed on every path. Every failure throws the
// mapped EInOutError, so callers read as the plain sequence of steps.
class TPosixFile {
public:
    TPosixFile(const QString& path, int flags);
    ~TPosixFile();
    TPosixFile(TPosixFile&& other) noexcept;
    TPosixFile(const TPosixFile&) = delete;
    TPosixFile& operator=(const TPosixFile&) = delete;

    // Opens without throwing; IsOpen() tells whether it worked.
    static TPosixFile TryOpen(const QString& path, int flags);

    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    // Reads from offset 0 until `size` bytes or the end of the file; returns the count.
    [[nodiscard]] std::size_t ReadAt0(char* data, std::size_t size);
    // Writes at offset 0 until `size` bytes are written or a call writes
    // nothing; returns the count. A failing call throws its system error.
    [[nodiscard]] std::size_t WriteAt0(const char* data, std::size_t size);
    // Writes all of `bytes` at the current position, for files that have no
    // offsets (a pipe, a device) as for any other. A short write is a full
    // disk; a failing call throws its system error.
    void WriteAll(const QByteArray& bytes);
    // Every byte from `offset` to the end of the file.
    [[nodiscard]] QByteArray ReadFrom(std::size_t offset);
    // A regular file that no other name shares.
    [[nodiscard]] bool IsSoleRegularFile() const;
    // Flushes what was written to the disk.
    void Flush();
    [[nodiscard]] int Descriptor() const { return fd_; }
    void Close();

private:
    TPosixFile(const QString& path, int flags, bool mustOpen);
    // Repeats `call(done)` until `size` bytes moved or a call moved none.
    template <typename Call>
    std::size_t Repeat(std::size_t size, Call call);

    QString path_;
    int fd_ = -1;
};

// True for anything but a regular file's name (missing, folder, invalid).
[[nodiscard]] bool IsExistingFile(const QString& path);

// Names that no file system call can take: empty or with a NUL character.
[[nodiscard]] bool IsUsableFileName(const QString& path);
