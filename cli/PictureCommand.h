#pragma once

#include "cli/Arguments.h"

// Writes the picture of the request's value file; needs a GUI application.
// Throws ECommandFailure; an output file is then as it was before.
void RunPicture(const TRequest& request);
