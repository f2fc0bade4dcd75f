#pragma once

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
    void Close();

private:
    TPosixFile(const QString& path, int flags, bool mustOpen);

    QString path_;
    int fd_ = -1;
};

// True for anything but a regular file's name (missing, folder, invalid).
[[nodiscard]] bool IsExistingFile(const QString& path);

// Names that no file system call can take: empty or with a NUL character.
[[nodiscard]] bool IsUsableFileName(const QString& path);
