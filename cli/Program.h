#pragma once

#include "cli/Arguments.h"

#include <QStringList>

// What carries out a checked "bild" call.
using TPictureRunner = void (*)(const TRequest& request);

// The whole command for the arguments after the program's name: its output
// written, or a message on standard error. Returns the exit status.
[[nodiscard]] int RunCommandLine(const QStringList& arguments, TPictureRunner runPicture);
