#pragma once

#include "cli/Arguments.h"

// What pruefen tells a script: 0 when no value meets the condition, 3 when
// some do, 2 when a file could not be read (the others are still checked).
constexpr int SomethingFound = 3;

// pruefen: for every input, each run of values that meet the condition as a
// line "DATEI: von-bis" on standard output. Returns the exit status.
[[nodiscard]] int RunCheck(const TRequest& request);

// verbinden: the input with every run of values that meet the condition
// bridged as "Linear verbinden" bridges a selection, written as a whole to
// the output; an output that is the input is refused unless --ersetzen was
// given, which also leaves everything as it is when nothing is found.
// Throws ECommandFailure; the output is then as it was.
void RunBridge(const TRequest& request);
