#pragma once

#include "values/Errors.h"

#include <sys/stat.h>

// A failed file operation. The code is the one the user sees in the
// message; the operating system's errors are mapped onto it by IoCodeFromErrno.
// Where the code alone would not tell what is wrong (a pipe nobody reads, a
// folder where a file belongs), the error says it in words instead: the
// window's text names the file, the reason is the same for a message that
// puts the file's name in front.
class EInOutError : public EKoravError {
public:
    explicit EInOutError(int code);
    EInOutError(int code, const QString& text, QString reason);
    [[nodiscard]] int Code() const { return code_; }
    // Empty for an error that only has its code's message.
    [[nodiscard]] const QString& Reason() const { return reason_; }

private:
    int code_;
    QString reason_;
};

namespace IoCode {
constexpr int FileNotFound = 2;
constexpr int InvalidName = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int SharingViolation = 32;
constexpr int ReadPastEnd = 100;
constexpr int DiskFull = 101;
constexpr int NotOpenForOutput = 105;
// Errors without a code of their own are shown as this base plus errno,
// far away from every named code.
constexpr int OtherBase = 1000;
} // namespace IoCode

[[nodiscard]] QString IoErrorMessage(int code);

// The one place where errno values become user-visible codes. `path` lets
// ENOENT tell a missing file from a missing folder.
[[nodiscard]] int IoCodeFromErrno(int error, const QString& path);

// Throws the mapped error for the current errno.
[[noreturn]] void ThrowIoError(int error, const QString& path);

// A regular file whose mode has no write bit counts as read-only, also for
// root, which the kernel would let write anyway.
[[nodiscard]] bool IsReadOnlyFile(const QString& path);
[[nodiscard]] bool IsReadOnlyMode(const struct stat& info);
