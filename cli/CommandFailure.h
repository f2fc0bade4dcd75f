#pragma once

#include "values/Errors.h"

#include <QByteArray>
#include <QString>

#include <exception>

// Why the command ends without its output: the text for standard error and
// the exit status that tells a script what went wrong.
class ECommandFailure : public std::exception {
public:
    static constexpr int BadArgument = 1;
    static constexpr int FileError = 2;

    ECommandFailure(int exitCode, QString text);
    [[nodiscard]] int ExitCode() const { return exitCode_; }
    [[nodiscard]] const QString& Text() const { return text_; }
    [[nodiscard]] const char* what() const noexcept override { return utf8_.constData(); }

private:
    int exitCode_;
    QString text_;
    QByteArray utf8_;
};

// A call the command cannot carry out, in the words the window would use.
[[nodiscard]] ECommandFailure UsageFailure(const QString& text);

// The message for a file error, with the file it concerns (a script may
// name hundreds of them): the window's, or a plainer one where the window's
// says too little (FileMessages.h).
[[nodiscard]] ECommandFailure FileFailure(const QString& path, const EKoravError& error);

// Inside a catch block: turns the error in flight into the failure it means
// for `path`. Input/output errors are file errors; every other error of the
// program is one of the call (a count or a number the window would refuse).
[[noreturn]] void RethrowAsFailure(const QString& path);
