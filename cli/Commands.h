#pragma once

#include "cli/Arguments.h"
#include "values/ValueFile.h"

// Reads the recordings or the value file of an evaluation or range request
// into the column table, as the window's commands do, and writes the output.
// An output that is one of the files read is refused first. Throws
// ECommandFailure; the output is then as it was before.
void RunExport(const TRequest& request);

// Reads a value file as "Öffnen..." does, except that a missing file is an
// error. Throws ECommandFailure.
[[nodiscard]] TValueBuffer ReadValueFile(const QString& path);
