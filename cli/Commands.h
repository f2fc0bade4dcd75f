#pragma once

#include "cli/Arguments.h"
#include "values/ValueFile.h"

// Writes the output of an evaluation or range request through the editor's
// own commands, answered by the command's window-system layer. Throws
// ECommandFailure; the output is then as it was before.
void RunExport(const TRequest& request);

// Reads a value file as "Öffnen..." does, except that a missing file is an
// error. Throws ECommandFailure.
[[nodiscard]] TValueBuffer ReadValueFile(const QString& path);
