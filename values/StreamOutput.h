#pragma once

#include <QByteArray>

class TFileLook;

// Whether a write into a pipe waits for a reader to come. A shell tool
// waits, as a shell's redirection does; a window must not freeze.
enum class TWaitForReader { No, Yes };

// Writes `content` into the pipe or device seen in `target`, from its
// current position, as a shell's redirection would; the node stays what it
// is. Without waiting, a pipe that nobody reads fails at once, and so does a
// reader that takes nothing for TPosixFile::StallLimitMs. A reader that goes
// away fails the write instead of ending the program by its signal. A
// socket cannot be written. Throws EInOutError, in words for these cases.
void WriteStream(const TFileLook& target, const QByteArray& content, TWaitForReader wait);
