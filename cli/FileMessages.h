#pragma once

#include "values/Errors.h"

#include <QString>

// What went wrong with the file `path`, said plainly for the author of a
// script where the window's message only gives a code or a guess: a folder
// that does not exist, a folder where a file belongs, a read-only file, a
// folder that may not be written. An error that says its reason in words (a
// pipe that cannot be a value file, a socket) says that. Every other error
// keeps the window's message.
[[nodiscard]] QString PlainFileMessage(const QString& path, const EKoravError& error);
