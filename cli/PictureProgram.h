#pragma once

#include "cli/Arguments.h"

// "bild" runs in a program of its own: only it loads the graphics libraries,
// whose loading would otherwise slow the start of every evaluation by half.
// Replaces this process by that program with the same arguments; throws
// ECommandFailure when it cannot be started.
[[noreturn]] void HandOverToPictureProgram(const TRequest& request);
