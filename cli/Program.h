#pragma once

#include <QStringList>

// The whole command for the arguments after the program's name: its output
// written, or a message on standard error. Returns the exit status.
[[nodiscard]] int RunCommandLine(const QStringList& arguments);
